#include "Private/FourierDlg.h"

CFourierDlg::CFourierDlg(CGUIBaseDlg* parent)
    : CRecordDlg(IDD, parent, {IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny}) {
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CFourierDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    Ctrl(IDC_LAG_EDIT).m_bNoMinus = true;
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CFourierDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Range(pDX, IDC_LAG_EDIT, m_Data.LagEdit, 1, CFourierData::GetUpperLimitLagEdit());
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, kSelectedListMessage, 1, 0);
}

void CFourierDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_LAG_EDIT, L"[1, min(50, (#non-missing cases/2) + 1)]", 0);
}

void CFourierDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ResetListToFirstSource(IDC_SELECTED_LIST, m_Data.ListOfVariablesList);
}
