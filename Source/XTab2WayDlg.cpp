#include "Private/XTab2WayDlg.h"

#include "Source/TablesDlgCommon.h"

CXTab2WayDlg::CXTab2WayDlg(CGUIBaseDlg* parent) : CTableCellsDlg(IDD, parent) {
    // A double click on a source variable makes it a row.
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.RowVariableList)
        .AtLeast(1, kNoRowVariableMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.ColumnVariableList)
        .AtLeast(1, kNoColumnVariableMessage);
    AddListMenuItem(IDC_SOURCE_LIST, kAddToColumnCommand, IDC_COLUMN_LIST);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveDataFileCheck, IDC_SAVE_FILE, m_Data.SaveDataFileEdit);
    FillComboFromResource(IDC_SAVE_TYPE_COMBO, CXTab2WayData::kSaveTypeCombo);
}

void CXTab2WayDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST});
    ExchangeCells(pDX);
    DDX_Check(pDX, IDC_LIST_LAYOUT_CHECK, m_Data.ListLayoutCheck);
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);
}
