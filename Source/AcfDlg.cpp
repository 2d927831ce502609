#include "Private/AcfDlg.h"

CAcfDlg::CAcfDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetBaseRunFlag(1);
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CAcfDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    Ctrl(IDC_LAG_EDIT).m_bNoMinus = true;
    // The dialog always starts from the data's maximum lag, whatever the record kept.
    m_EditLagEdit = CGUIData<int>(CAcfData::GetMaximumLagValue());
    SetCtrlWindowText(IDC_LAG_EDIT, NumberText(m_EditLagEdit.GetValue()));
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    if (GetRecord() && GetRecord()->GetDialogID() == CAcfData::kVariantTplot) {
        EnableCtrl(IDC_LAG_LABEL, 0, 1);
        EnableCtrl(IDC_LAG_EDIT, 0, 1);
        ShowCtrlWindow(IDC_SAVE_CHECK, 0);
        ShowCtrlWindow(IDC_SAVE_FILE, 0);
    }
    return 1;
}

void CAcfDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_STText(pDX, IDC_LAG_EDIT, m_EditLagEdit);
    DDV_MinMaxInt(pDX, IDC_LAG_EDIT, m_EditLagEdit, 1, CGUIBaseObj::GetRowCount() - 1);
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_SaveFileCheck);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariablesList);
}

int CAcfDlg::GetAll() {
    return GetRecord() ? GetRecord()->GetAll(m_ListOfVariablesList, m_SelectedVariablesList, m_EditLagEdit,
                                             m_SaveFileEdit, m_SaveFileCheck)
                       : 0;
}

int CAcfDlg::SetAll() {
    return GetRecord() ? GetRecord()->SetAll(m_ListOfVariablesList, m_SelectedVariablesList, m_EditLagEdit,
                                             m_SaveFileEdit, m_SaveFileCheck)
                       : 0;
}

int CAcfDlg::GetAllDefault() {
    m_SelectedVariablesList.RemoveAll();
    m_EditLagEdit = CGUIData<int>(CAcfData::GetMaximumLagValue());
    m_SaveFileEdit = CAcfData::GetDefaultSaveFileEdit();
    m_SaveFileCheck = CAcfData::GetDefaultSaveFileCheck();
    SetAll();
    GetAll();
    return 1;
}

void CAcfDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_LAG_EDIT, L"[1, min(50, #cases - 1)]", 0);
}

void CAcfDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    CGUIListCtrl& selected = ListCtrl(IDC_SELECTED_LIST);
    selected.ResetOptions();
    selected.RemoveAllItems();
    // With no source variable there is nothing to take: the list stays empty.
    if (!m_ListOfVariablesList.IsEmpty())
        selected.AddItem(m_ListOfVariablesList.GetAt(0));
}
