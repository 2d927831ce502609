#include "Private/PosacDlg.h"

#include "Source/OpenDlgCommon.h"

CPosacDlg::CPosacDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_PROFILE_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.ProfileVariablesList)
        .AtLeast(2, kTwoVariablesMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair(
        {IDC_SOURCE_LIST, IDC_FREQUENCY_LIST, IDC_ADD_FREQUENCY, IDC_REMOVE_FREQUENCY, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.FrequencyVariableList)
        .AtMost(1, kOneVariableMessage)
        .ClosedWhenFull();
    SetDblClkToAnyTarget(true);
}

void CPosacDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_PROFILE_LIST, IDC_FREQUENCY_LIST});
    DDX_Check(pDX, IDC_CATEGORIES_CHECK, m_Data.CategoriesCheck);
    DDX_Range(pDX, IDC_CATEGORIES_EDIT, m_Data.CategoriesEdit, 2, CPosacData::kMaximumCategories);
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
}

void CPosacDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
}
