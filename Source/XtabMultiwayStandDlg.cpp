#include "Private/XtabMultiwayStandDlg.h"

CXtabMultiwayStandDlg::CXtabMultiwayStandDlg(CGUIBaseDlg* parent) : CTableCellsDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.RowVariableList)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.ColumnVariableList);
    AddListPair({IDC_SOURCE_LIST, IDC_STRATA_LIST, IDC_ADD_STRATA, IDC_REMOVE_STRATA, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.StrataVariableList);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveCheck, IDC_SAVE_FILE, m_Data.SaveEdit);
    FillRadioFromResource(CXtabMultiwayStandData::kStrataRadioGroup);
    FillComboFromResource(IDC_SAVE_TYPE_COMBO, CXtabMultiwayStandData::kSaveTypeCombo);
}

void CXtabMultiwayStandDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST, IDC_STRATA_LIST});
    ExchangeCells(pDX);
    DDX_Radio(pDX, CXtabMultiwayStandData::kStrataRadioGroup, m_Data.SeparateStrataRadio);
}
