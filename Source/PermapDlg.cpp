#include "Private/PermapDlg.h"

#include <algorithm>

#include "Msg/Launcher.h"
#include "Msg/Stat1SingleMenuItemsMsg.h"
#include "Source/OpenDlgCommon.h"

CPermapDlg::CPermapDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2401>(m_Data.SelectedVariablesList, kVariableTypeNumeric)
        .AtLeast(2, kTwoVariablesMessage);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillComboFromResource(IDC_METHOD_COMBO, CPermapData::kMethodCombo);
    FillComboFromResource(IDC_STANDARDIZE_COMBO, CPermapData::kStandardizeCombo);
}

void CPermapDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_METHOD_COMBO, m_Data.MethodCombo);
    DDX_CBIndex(pDX, IDC_STANDARDIZE_COMBO, m_Data.StandardizeCombo);
    // The profile variables were exchanged first: a map has no more dimensions than they.
    DDX_Range(pDX, IDC_DIMENSIONS_EDIT, m_Data.DimensionsEdit, 1,
              std::max(1, m_Data.SelectedVariablesList.GetSize()));
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
}

void CPermapDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
}

void CPermapDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const BOOL nonmetric = Ctrl(IDC_METHOD_COMBO).m_nComboIndex == CPermapData::MethodNonmetric;
    for (UINT id : {IDC_ITERATIONS_EDIT, IDC_ITERATIONS_LABEL, IDC_CONVERGENCE_EDIT, IDC_CONVERGENCE_LABEL})
        EnableCtrl(id, nonmetric);
}

void CPermapDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_METHOD_COMBO)
        UpdateDependentWindows();
}

REGISTER_MENU_ROWS(CStat1SingleMenuItemsMsg, DialogRow<CPermapData, CPermapDlg>(1020));
