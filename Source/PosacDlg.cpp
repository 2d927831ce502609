#include "Private/PosacDlg.h"

#include "Source/OpenDlgCommon.h"

CPosacDlg::CPosacDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_PROFILE_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric});
    AddListPair(
        {IDC_SOURCE_LIST, IDC_FREQUENCY_LIST, IDC_ADD_FREQUENCY, IDC_REMOVE_FREQUENCY, kVariableTypeNumeric});
    SetDblClkToAnyTarget(true);
}

BOOL CPosacDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    Ctrl(IDC_CATEGORIES_EDIT).m_bNoMinus = true;
    return 1;
}

void CPosacDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_PROFILE_LIST, m_Data.ProfileVariablesList, kTwoVariablesMessage, 2, 0);
    DDX_OneVariable(*this, pDX, IDC_FREQUENCY_LIST, m_Data.FrequencyVariableList, false);
    DDV_DistinctVariables(pDX, {IDC_PROFILE_LIST, IDC_FREQUENCY_LIST});
    DDX_Check(pDX, IDC_CATEGORIES_CHECK, m_Data.CategoriesCheck);
    DDX_Range(pDX, IDC_CATEGORIES_EDIT, m_Data.CategoriesEdit, 2, CPosacData::kMaximumCategories);
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
}

void CPosacDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_CATEGORIES_EDIT, L"[2, 20]", 0);
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
}

void CPosacDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    LimitToOneVariable(*this, IDC_FREQUENCY_LIST, IDC_ADD_FREQUENCY);
    EnableCtrl(IDC_CATEGORIES_EDIT, IsCtrlChecked(IDC_CATEGORIES_CHECK));
}
