#include "Private/ConjointDlg.h"

#include "Source/OpenDlgCommon.h"

CConjointDlg::CConjointDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_PREFERENCE_LIST, IDC_ADD_PREFERENCE, IDC_REMOVE_PREFERENCE,
                 kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.PreferenceVariablesList)
        .AtLeast(1, kVariableMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair(
        {IDC_SOURCE_LIST, IDC_ATTRIBUTE_LIST, IDC_ADD_ATTRIBUTE, IDC_REMOVE_ATTRIBUTE, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.AttributeVariablesList)
        .AtLeast(1, kVariableMessage);
    SetDblClkToAnyTarget(true);
    FillRadioFromResource(CConjointData::kModelRadioGroup);
    FillComboFromResource(IDC_LOSS_COMBO, CConjointData::kLossCombo);
}

void CConjointDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_PREFERENCE_LIST, IDC_ATTRIBUTE_LIST});
    DDX_Radio(pDX, CConjointData::kModelRadioGroup, m_Data.ModelRadio);
    DDX_CBIndex(pDX, IDC_LOSS_COMBO, m_Data.LossCombo);
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
}

void CConjointDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
}

void CConjointDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const BOOL monotone = Ctrl(IDC_LOSS_COMBO).m_nComboIndex != CConjointData::LossLeastSquares;
    for (UINT id : {IDC_ITERATIONS_EDIT, IDC_ITERATIONS_LABEL, IDC_CONVERGENCE_EDIT, IDC_CONVERGENCE_LABEL})
        EnableCtrl(id, monotone);
}

void CConjointDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_LOSS_COMBO)
        UpdateDependentWindows();
}
