#include "Private/PermapDlg.h"

#include <algorithm>

#include "Source/OpenDlgCommon.h"

CPermapDlg::CPermapDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CPermapDlg::OnInitDialog() {
    FillComboFromResource(IDC_METHOD_COMBO, CPermapData::kMethodCombo);
    FillComboFromResource(IDC_STANDARDIZE_COMBO, CPermapData::kStandardizeCombo);
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CPermapDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariablesList, kTwoVariablesMessage, 2, 0);
    DDX_CBIndex(pDX, IDC_METHOD_COMBO, m_Data.MethodCombo);
    DDX_CBIndex(pDX, IDC_STANDARDIZE_COMBO, m_Data.StandardizeCombo);
    // The profile variables were exchanged just above: a map has no more dimensions than they.
    DDX_Range(pDX, IDC_DIMENSIONS_EDIT, m_Data.DimensionsEdit, 1,
              std::max(1, m_Data.SelectedVariablesList.GetSize()));
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
    DDX_Text(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
}

void CPermapDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_DIMENSIONS_EDIT, L"[1, #variables]", 0);
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
    AddToolTip(IDC_SAVE_FILE, m_Data.SaveFileEdit, 0);
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
