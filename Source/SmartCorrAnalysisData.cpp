#include "Private/SmartCorrAnalysisData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

using R = CSmartCorrAnalysisData;
constexpr CCheckKeyword<R> kKeywords[] = {
    {&R::ProfilesCheck, L" PROFILES"},      {&R::InertiaCheck, L" INERTIA"},
    {&R::ContributionsCheck, L" CONTRIB"},  {&R::PlotCheck, L" PLOT"},
    {&R::IncludeMissingValCheck, L" MISS"},
};

}  // namespace

void CSmartCorrAnalysisData::FillListSource() {
    FillAllVariablesSource(*this, ListOfVariablesList);
    if (RowVariableList.IsEmpty() && ColumnVariableList.IsEmpty() && ListOfVariablesList.GetSize() >= 2) {
        RowVariableList.Add(ListOfVariablesList.GetAt(0));
        ColumnVariableList.Add(ListOfVariablesList.GetAt(1));
    }
}

void CSmartCorrAnalysisData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTablesModule, lines);
    AddTableSaveCmd(lines, SaveCheck, SaveFileEdit, 0, 0);
    CString line = L"CORRESP ";
    AddVariables(line, RowVariableList, L" ");
    line += L" * ";
    AddVariables(line, ColumnVariableList, L" ");
    line += L" /";
    line += AddEditValueCmd(DimensionsEdit, L" DIM = ", 1);
    if (NormalizationCombo != GetDefaultNormalizationCombo())
        line += L" NORMAL = " + CComboUtil::GetComboString(kNormalizationCombo, NormalizationCombo);
    line += KeywordsOf(*this, kKeywords);
    CStringUtil::RemoveTrailingChar(line, L'/');
    lines.AddTail(CCmdInfo(line, 0));
}

REGISTER_RECORD(CSmartCorrAnalysisData);
