#include "Private/FourierDlg.h"

#include "Private/TimeSeriesDlgCommon.h"

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
    DDX_STText(pDX, IDC_LAG_EDIT, m_LagEdit);
    DDV_MinMaxInt(pDX, IDC_LAG_EDIT, m_LagEdit, 1, CFourierData::GetUpperLimitLagEdit());
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_SaveFileCheck);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariableList, kSelectedListMessage, 1, 0);
}

int CFourierDlg::GetAll() {
    return GetRecord() ? GetRecord()->GetAll(m_ListOfVariablesList, m_SelectedVariableList, m_LagEdit,
                                             m_SaveFileCheck, m_SaveFileEdit)
                       : 0;
}

int CFourierDlg::SetAll() {
    return GetRecord() ? GetRecord()->SetAll(m_ListOfVariablesList, m_SelectedVariableList, m_LagEdit,
                                             m_SaveFileCheck, m_SaveFileEdit)
                       : 0;
}

int CFourierDlg::GetAllDefault() {
    m_SelectedVariableList.RemoveAll();
    m_LagEdit = CGUIData<int>(0);
    m_SaveFileCheck = CFourierData::GetDefaultSaveFileCheck();
    m_SaveFileEdit = CFourierData::GetDefaultSaveFileEdit();
    SetAll();
    // The record marks the lag again, so that its blank 0 escapes the range check.
    if (GetRecord())
        GetRecord()->SetEditAttribute();
    GetAll();
    return 1;
}

void CFourierDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_LAG_EDIT, L"[1, min(50, (#non-missing cases/2) + 1)]", 0);
}

void CFourierDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ResetToFirstSourceVariable(ListCtrl(IDC_SELECTED_LIST), m_ListOfVariablesList);
}
