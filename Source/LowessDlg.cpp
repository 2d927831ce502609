#include "Private/LowessDlg.h"

#include "Private/TimeSeriesDlgCommon.h"

CLowessDlg::CLowessDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetBaseRunFlag(1);
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
    DDX_STText(pDX, IDC_TENSION_EDIT, m_TensionEdit);
    DDV_MinMaxDouble(pDX, IDC_TENSION_EDIT, m_TensionEdit, CLowessData::kMinimumTension,
                     CLowessData::kMaximumTension);
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_SaveFileCheck);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariableList);
}

int CLowessDlg::GetAll() {
    return GetRecord() ? GetRecord()->GetAll(m_ListOfVariablesList, m_SelectedVariableList, m_TensionEdit,
                                             m_SaveFileCheck, m_SaveFileEdit)
                       : 0;
}

int CLowessDlg::SetAll() {
    return GetRecord() ? GetRecord()->SetAll(m_ListOfVariablesList, m_SelectedVariableList, m_TensionEdit,
                                             m_SaveFileCheck, m_SaveFileEdit)
                       : 0;
}

int CLowessDlg::GetAllDefault() {
    m_SelectedVariableList.RemoveAll();
    m_TensionEdit = CLowessData::GetDefaultTensionEdit();
    m_SaveFileCheck = CLowessData::GetDefaultSaveFileCheck();
    m_SaveFileEdit = CLowessData::GetDefaultSaveFileEdit();
    SetAll();
    GetAll();
    return 1;
}

void CLowessDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_TENSION_EDIT, L"[0.0, 1.0]", 0);
}

void CLowessDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ResetToFirstSourceVariable(ListCtrl(IDC_SELECTED_LIST), m_ListOfVariablesList);
}
