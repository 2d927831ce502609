#include "Private/CcfDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"

// ---- at most two series -----------------------------------------------------------------------

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

CCcfDlg::CCcfDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // Both series are needed.
    AddSeriesPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SelectedVariableList)
        .AtLeast(2, CCcfData::kSelectedListMessage)
        .Menu(IDC_LIST_MENU_LABEL)
        .ResetToEmpty();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

BOOL CCcfDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    // Every showing starts from the data's maximum lag, whatever was typed the last time.
    m_Data.LagEdit = CCcfData::GetReassignedDefaultLagEdit();
    SetCtrlWindowText(IDC_LAG_EDIT, NumberText(m_Data.LagEdit.GetValue()));
    return 1;
}

void CCcfDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Range(pDX, IDC_LAG_EDIT, m_Data.LagEdit, 1, CGUIBaseObj::GetRowCount() - 1);
    CGUIBaseDlg::DoDataExchange(pDX);
}

// The lag's default is the data's maximum lag.
void CCcfDlg::KeepOnDefault(CCcfData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.LagEdit = CCcfData::GetReassignedDefaultLagEdit();
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CCcfData, CCcfDlg>(1041));
