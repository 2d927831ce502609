#include "Private/LogLinZeroDlg.h"

#include "Source/TablesDlgCommon.h"

CLogLinZeroDlg::CLogLinZeroDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_INDICATOR_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric});
}

BOOL CLogLinZeroDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CLogLinZeroDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_AtMostOne(*this, pDX, IDC_INDICATOR_LIST, m_Data.IndicatorVariableList, kOneVariableMessage);
    DDX_Check(pDX, IDC_CELLS_CHECK, m_Data.CellsCheck);
    DDX_Check(pDX, IDC_INDICATOR_CHECK, m_Data.IndicatorCheck);
    DDX_Text(pDX, IDC_CELLS_EDIT, m_Data.CellsEdit);
    RefuseUnless(pDX, IDC_CELLS_EDIT,
                 !IsCtrlEnabled(IDC_CELLS_EDIT) || CLogLinZeroData::IsCellList(m_Data.CellsEdit),
                 kBadCellsMessage);
}

void CLogLinZeroDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_CELLS_EDIT, L"(1,2) (2,1) ...", 0);
}

void CLogLinZeroDlg::UpdateDependentWindows() {
    const BOOL indicator = IsCtrlChecked(IDC_INDICATOR_CHECK);
    EnableCtrl(IDC_SOURCE_LIST, indicator);
    EnableCtrl(IDC_INDICATOR_LIST, indicator);
    EnableCtrl(IDC_CELLS_EDIT, IsCtrlChecked(IDC_CELLS_CHECK));
    // The list buttons follow the lists.
    CGUIBaseDlg::UpdateDependentWindows();
}
