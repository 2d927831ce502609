#include "Private/FittingDlg.h"

#include "HostApi/HostServices.h"
#include "TvkUseRes/ResourceTables.h"

CFittingDlg::CFittingDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2461>(m_Data.SelectedVariablesList, kVariableTypeNumeric).ResetToFirstSource();
    // Exchanged here: the chosen distributions are no variables of the data.
    AddListPair({IDC_DISTRIBUTION_LIST, IDC_SELECTED_DISTRIBUTION_LIST, IDC_ADD_DISTRIBUTION,
                 IDC_REMOVE_DISTRIBUTION, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

BOOL CFittingDlg::OnInitDialog() {
    const UINT variantId = GetRecord() ? GetRecord()->GetVariantID() : CFittingData::kContinuous;
    m_Data.SetVariantID(variantId);
    CGUIBaseDlg::OnInitDialog();
    Ctrl(IDC_SELECTED_DISTRIBUTION_LIST).m_strText = m_Data.GetDefaultSelectedDistributionsListName();
    m_panel.Open(*this, m_Data.DistribManagerData, CFittingData::DistribInfoFile(variantId), IDC_PLACEHOLDER,
                 0);
    m_nShownType = -2;
    OnSelchangeDistributionListHelper();
    return 1;
}

void CFittingDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_DISTRIBUTION_LIST, m_Data.DistributionsList);
    // Distributions are no variables of the data: the target list's check against the data must not
    // drop them.
    if (!pDX->m_bSaveAndValidate)
        ListCtrl(IDC_SELECTED_DISTRIBUTION_LIST).SetItems(m_Data.SelectedDistributionsList);
    else if (!(m_Data.SelectedDistributionsList == ListCtrl(IDC_SELECTED_DISTRIBUTION_LIST).GetItems()))
        pDX->Replace(m_Data.SelectedDistributionsList, ListCtrl(IDC_SELECTED_DISTRIBUTION_LIST).GetItems());
    if (pDX->m_bSaveAndValidate && !m_Data.IsDistributionTypeContinuous() &&
        m_Data.SelectedDistributionsList.GetSize() > 1) {
        TKMessageBox(GetString(kOneDiscrete));
        pDX->Fail(IDC_SELECTED_DISTRIBUTION_LIST);
    }
    m_panel.DoDataExchange(pDX);
}

void CFittingDlg::UpdateDependentWindows() {
    CRecordDlg::UpdateDependentWindows();
    if (!m_Data.IsDistributionTypeContinuous() &&
        ListCtrl(IDC_SELECTED_DISTRIBUTION_LIST).GetItemCount() >= 1)
        EnableCtrl(IDC_ADD_DISTRIBUTION, 0);
    OnSelchangeDistributionListHelper();
}

void CFittingDlg::OnReset() {
    CRecordDlg::OnReset();
    m_nShownType = -2;
    UpdateDependentWindows();
}

void CFittingDlg::OnSelchangeDistributionListHelper() {
    CDistribManager* manager = m_panel.GetManager();
    if (!manager)
        return;
    const CGUIListCtrl& chosen = ListCtrl(IDC_SELECTED_DISTRIBUTION_LIST);
    const auto& selection = chosen.GetSelection();
    const int shown = selection.empty() ? 0 : selection.front();
    const int type = shown < chosen.GetItemCount()
                         ? m_Data.GetDistribType(*manager, chosen.GetItems().GetAt(shown).GetVariableName())
                         : -1;
    // Showing again would put back the kept values over what the user typed.
    if (type == m_nShownType)
        return;
    m_nShownType = type;
    if (manager->SelectType(type))
        return;
    for (int i = 1; i <= CDistribManager::kMaxParameters; ++i)
        for (UINT id : {CDistribManager::kLabelBase + i, CDistribManager::kEditBase + i,
                        CDistribManager::kFileCheckBase + i})
            ShowCtrlWindow(id, 0);
}

void CFittingDlg::KeepOnDefault(CFittingData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.DistributionsList = m_Data.DistributionsList;
    m_panel.FillDefaults(fresh.DistribManagerData);
}
