#include "Private/MntestDlg.h"

CMntestDlg::CMntestDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CMntestDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CMntestDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList, 0, 1, 0);
    // A multivariate test needs two variables at least.
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariablesList, kTargetMessage, 2, 0);
    DDX_Text(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit, 0, 0, 1, 0);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit, 1, 1, kFileFilter, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
}

void CMntestDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_SAVE_FILE, m_Data.SaveFileEdit, 0);
}
