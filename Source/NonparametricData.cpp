#include "Private/NonparametricData.h"

#include "Private/TestingCommon.h"
#include "Source/RecordRegistry.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

void AddLine(const CString& text, CCmdList& lines) {
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

}  // namespace

void CKwData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceAllVariables);
}

void CKwData::GetCommandInfoList(CCmdList& lines) const {
    const UINT variant = GetVariantID();
    if (variant != kKruskalWallis && variant != kTwoSampleKS && variant != kSeveralVariances)
        return;
    if (variant == kSeveralVariances) {
        AddModuleCmd(kHypothesesModule, lines);
    } else {
        AddModuleAndSaveCmd(kNonparametricModule, SaveStatisticCheck, SaveStatisticEdit, lines);
    }
    CString text = variant == kKruskalWallis ? L"KRUSKAL " : variant == kTwoSampleKS ? L"KS " : L"VARI ";
    AddVariables(text, SelectedVariableList, L" ");
    // Two-sample KS takes two variables, or one split by a grouping variable.
    if (variant != kTwoSampleKS || (!SelectedVariableList.IsEmpty() && !GroupVariablesList.IsEmpty())) {
        text += L" * ";
        AddVariables(text, GroupVariablesList, L" ");
    }
    AddLine(text, lines);
}

// The source list stands first and again last: the second copy is what a load keeps.
void CQuadeData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceAllVariables);
}

void CQuadeData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kNonparametricModule, SaveStatisticCheck, SaveStatisticEdit, lines);
    const UINT variant = GetVariantID();
    CString text = variant == kFriedman ? L"FRIEDMAN " : variant == kQuade ? L"QUADE " : L"";
    AddVariables(text, SelectedVariableList, L" ");
    AddVariablesClause(text, L" = ", GroupVariableList);
    AddVariablesClause(text, L" ", BlockVariableList);
    if (variant == kQuade)
        text += AddOnConditionCmd(L" / MULTIPLE", PairwiseComparisonsCheck);
    AddLine(text, lines);
}

void CRunsData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceNumericVariables);
}

void CRunsData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kNonparametricModule, SaveStatisticCheck, SaveStatisticEdit, lines);
    const UINT variant = GetVariantID();
    CString text = variant == kRuns       ? L"RUNS "
                   : variant == kSign     ? L"SIGN "
                   : variant == kWilcoxon ? L"WILCOXON "
                                          : L"";
    if (text.IsEmpty())
        CTvkAssertDlg(L"NonparametricData.cpp", __LINE__).DoPrint();
    AddVariables(text, SelectedVariableList, L" ");
    if (variant == kRuns)
        text += AddEditValueCmd(CutEdit, GetDefaultCutEdit(), 0, L" / CUT = ", 1);
    AddLine(text, lines);
}

REGISTER_RECORD(CKwData);
REGISTER_RECORD(CQuadeData);
REGISTER_RECORD(CRunsData);
