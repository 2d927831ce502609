#include "Private/TestAtLogDlg.h"

#include "Source/OpenDlgCommon.h"

CTestAtLogDlg::CTestAtLogDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ITEM_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.ItemVariablesList)
        .AtLeast(2, kTwoVariablesMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CTestAtLogData::kModelRadioGroup);
    FillComboFromResource(IDC_SCORES_COMBO, CTestAtLogData::kScoresCombo);
}

void CTestAtLogDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Radio(pDX, CTestAtLogData::kModelRadioGroup, m_Data.ModelRadio);
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
    DDX_CBIndex(pDX, IDC_SCORES_COMBO, m_Data.ScoresCombo);
}

void CTestAtLogDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
}
