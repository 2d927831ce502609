#include "Private/TestingMeansData.h"

#include <algorithm>
#include <iterator>

#include "Private/TestingCommon.h"
#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

template <std::size_t N>
const CTestingVariant* FindIn(const CTestingVariant (&table)[N], UINT variant) {
    const auto* it = std::find_if(std::begin(table), std::end(table),
                                  [variant](const CTestingVariant& v) { return v.variant == variant; });
    return it == std::end(table) ? nullptr : it;
}

// " BONF", " DUNN", the confidence and the alternative: the clauses both records end with.
CString CommonClauses(int bonferroni, int dunnSidak, const CGUIData<double>& confidence, UINT combo,
                      int alternative) {
    return CGUIBaseObj::AddOnConditionCmd(L" BONF", bonferroni) +
           CGUIBaseObj::AddOnConditionCmd(L" DUNN", dunnSidak) + ConfidenceClause(confidence) +
           AlternativeClause(combo, alternative, L" ALT = ");
}

}  // namespace

const CTestingVariant* CTestingOneSampleData::FindVariant(UINT variant) {
    return FindIn(kVariants, variant);
}

void CTestingOneSampleData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceNumericVariables);
}

// The hypothesized values have no default the range checks could judge until the user types one.
void CTestingOneSampleData::SetEditAttribute() {
    MeanEdit.SetSecond(1);
    SdEdit.SetSecond(1);
}

void CTestingOneSampleData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kHypothesesModule, lines);
    const CTestingVariant* variant = FindVariant(GetVariantID());
    CString text = variant ? variant->keyword : L"";
    AddVariables(text, SelectedVariableList, L" ");
    if (variant && variant->valueClause)
        text += AddEditValueCmd(MeanEdit, L" = ", 1);
    text += L" /";
    if (GetVariantID() == kZTest)
        text += AddEditValueCmd(SdEdit, L" SD = ", 1);
    text +=
        CommonClauses(BonferroniCheck, DunnSidakCheck, ConfidenceEdit, kAlternativeCombo, AlternativeCombo);
    lines.AddTail(CCmdInfo(text, 0));
}

const CTestingVariant* CTestingTwoSampleData::FindVariant(UINT variant) {
    return FindIn(kVariants, variant);
}

void CTestingTwoSampleData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceAllVariables);
}

void CTestingTwoSampleData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kHypothesesModule, lines);
    const CTestingVariant* variant = FindVariant(GetVariantID());
    if (!variant)
        CTvkAssertDlg(L"TestingMeansData.cpp", __LINE__).DoPrint();
    CString text = variant ? variant->keyword : L"";
    AddVariables(text, SelectedVariableList, L" ");
    text += L" * ";
    AddVariables(text, GroupVariablesList, L" ");
    text += L" /";
    if (GetVariantID() == kZTest) {
        text += AddEditValueCmd(SdOneEdit, L" SD1 = ", 1);
        text += AddEditValueCmd(SdTwoEdit, L" SD2 = ", 1);
    }
    text +=
        CommonClauses(BonferroniCheck, DunnsidakCheck, ConfidenceEdit, kAlternativeCombo, AlternativeCombo);
    CStringUtil::RemoveTrailingChar(text, L'/');
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CTestingOneSampleData);
REGISTER_RECORD(CTestingTwoSampleData);
