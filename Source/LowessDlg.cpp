#include "Private/LowessDlg.h"

CLowessDlg::CLowessDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CLowessDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    Ctrl(IDC_TENSION_EDIT).m_bNoMinus = true;
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CLowessDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Range(pDX, IDC_TENSION_EDIT, m_Data.TensionEdit, CLowessData::kMinimumTension,
              CLowessData::kMaximumTension);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList);
}

void CLowessDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_TENSION_EDIT, L"[0.0, 1.0]", 0);
}

void CLowessDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ResetListToFirstSource(IDC_SELECTED_LIST, m_Data.ListOfVariablesList);
}
