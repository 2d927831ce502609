#include "Private/TestAtLogDlg.h"

#include "Source/OpenDlgCommon.h"

CTestAtLogDlg::CTestAtLogDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ITEM_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CTestAtLogDlg::OnInitDialog() {
    FillRadioFromResource(CTestAtLogData::kModelRadioGroup);
    FillComboFromResource(IDC_SCORES_COMBO, CTestAtLogData::kScoresCombo);
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CTestAtLogDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_ITEM_LIST, m_Data.ItemVariablesList, kTwoVariablesMessage, 2, 0);
    DDX_Radio(pDX, CTestAtLogData::kModelRadioGroup, m_Data.ModelRadio);
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
    DDX_CBIndex(pDX, IDC_SCORES_COMBO, m_Data.ScoresCombo);
    DDX_Text(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
}

void CTestAtLogDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
    AddToolTip(IDC_SAVE_FILE, m_Data.SaveFileEdit, 0);
}

void CTestAtLogDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_SCORES_COMBO, IsCtrlChecked(IDC_SAVE_CHECK));
    EnableCtrl(IDC_SCORES_LABEL, IsCtrlChecked(IDC_SAVE_CHECK));
}
