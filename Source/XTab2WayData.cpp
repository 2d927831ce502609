#include "Private/XTab2WayData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"

// Stored files have the checks first and the threshold last, after the lists.
void CXTab2WayData::FillListSource() {
    FillAllVariablesSource(*this, ListOfVariablesList);
}

void CXTab2WayData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTablesModule, lines);
    AddTableSaveCmd(lines, SaveDataFileCheck, SaveDataFileEdit, kSaveTypeCombo, SaveCombo);
    // The measures page joins this line, so its slash stays.
    lines.AddTail(
        CCmdInfo(PrintOptionLine(ListLayoutCheck) + KeywordsOf(*this, kCellKeywords<CXTab2WayData>), 0));

    CString table = L"TABULATE ";
    AddVariables(table, RowVariableList, L" ");
    table += L" * ";
    AddVariables(table, ColumnVariableList, L" ");
    table += L" /";
    table += AddOnConditionCmd(L" MISS", IncludeMissingValCheck);
    table += ShadeClause(ShadeCheck, ThresholdEdit);
    lines.AddTail(CCmdInfo(table, 0));
}

REGISTER_RECORD(CXTab2WayData);
