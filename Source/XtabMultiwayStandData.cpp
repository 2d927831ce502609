#include "Private/XtabMultiwayStandData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"
#include "TvkDlgBase/TvkDlgBase.h"

// Stored files start with the file name; the ints follow in the order of GetAll, the threshold last.
void CXtabMultiwayStandData::FillListSource() {
    FillAllVariablesSource(*this, ListOfVariablesList);
}

void CXtabMultiwayStandData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTablesModule, lines);
    AddTableSaveCmd(lines, SaveCheck, SaveEdit, kSaveTypeCombo, SaveCombo);
    lines.AddTail(CCmdInfo(PrintOptionLine(0) + KeywordsOf(*this, kCellKeywords<CXtabMultiwayStandData>), 0));

    const bool crossed =
        CRadioUtil::GetRadioItem(kStrataRadioGroup, SeparateStrataRadio) == kCrossedStrataItem;
    CString table =
        L"STD " + StrataTableText(StrataVariableList, crossed, RowVariableList, ColumnVariableList);
    table += L" /";
    table += ShadeClause(ShadeCheck, ThresholdEdit);
    lines.AddTail(CCmdInfo(table, 0));
}

REGISTER_RECORD(CXtabMultiwayStandData);
