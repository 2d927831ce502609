#include "Private/CcfDlg.h"

// ---- at most two series -----------------------------------------------------------------------

CTwoSeriesDlg::CTwoSeriesDlg(UINT templateId, CGUIBaseDlg* parent, const CListPair& pair)
    : CGUIBaseDlg(templateId, parent), m_seriesPair(pair) {
    AddListPair(pair);
}

bool CTwoSeriesDlg::IsSelectedVariablesAllowed() const {
    const CGUIListCtrl* selected = dynamic_cast<const CGUIListCtrl*>(FindCtrl(m_seriesPair.target));
    const CGUIListCtrl* source = dynamic_cast<const CGUIListCtrl*>(FindCtrl(m_seriesPair.source));
    if (!selected || !source)
        return false;
    int count = selected->GetItemCount() + static_cast<int>(source->GetSelection().size());
    if (selected->GetState() == 1 || selected->GetState() == 2)
        --count;
    return count <= CCcfData::kMaximumSelected;
}

void CTwoSeriesDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    if (!IsSelectedVariablesAllowed())
        EnableCtrl(m_seriesPair.addButton, 0);
}

BOOL CTwoSeriesDlg::OnUpdateAddTarget(UINT list) {
    return CGUIBaseDlg::OnUpdateAddTarget(list) && IsSelectedVariablesAllowed() ? 1 : 0;
}

bool CTwoSeriesDlg::MouseMoveListCtrlHelper(UINT from, UINT over) {
    const bool possible = CGUIBaseDlg::MouseMoveListCtrlHelper(from, over);
    if (from == m_seriesPair.source)
        return possible && IsSelectedVariablesAllowed();
    return possible;
}

// ---- cross-correlation ------------------------------------------------------------------------

CCcfDlg::CCcfDlg(CGUIBaseDlg* parent)
    : CRecordDlg(IDD, parent, {IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny}) {
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CCcfDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    Ctrl(IDC_LAG_EDIT).m_bNoMinus = true;
    // Every showing starts from the data's maximum lag, whatever was typed the last time.
    m_Data.LagEdit = CCcfData::GetReassignedDefaultLagEdit();
    SetCtrlWindowText(IDC_LAG_EDIT, NumberText(m_Data.LagEdit.GetValue()));
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CCcfDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Range(pDX, IDC_LAG_EDIT, m_Data.LagEdit, 1, CGUIBaseObj::GetRowCount() - 1);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    // Both series are needed.
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, CCcfData::kSelectedListMessage, 2,
                      0);
}

// The lag's default is the data's maximum lag.
void CCcfDlg::KeepOnDefault(CCcfData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.LagEdit = CCcfData::GetReassignedDefaultLagEdit();
}

void CCcfDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_LAG_EDIT, L"[1, min(50, #cases - 1)]", 0);
}

void CCcfDlg::OnReset() {
    // The record chooses no series, so neither does the reset.
    CGUIBaseDlg::OnReset();
    ListCtrl(IDC_SELECTED_LIST).ResetOptions();
}
