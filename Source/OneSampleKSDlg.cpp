#include "Private/OneSampleKSDlg.h"

COneSampleKSDlg::COneSampleKSDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL COneSampleKSDlg::OnInitDialog() {
    const UINT variant = GetDlgCaptionID();
    m_Data.SetVariantID(variant);
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    m_panel.Open(*this, m_Data.DistribManagerData, COneSampleKSData::DistribInfoFile(variant),
                 IDC_PLACEHOLDER, 1);
    return 1;
}

void COneSampleKSDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList, 0, 1);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariablesList, 0, 1);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveStatisticEdit);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveStatisticCheck);
    m_panel.DoDataExchange(pDX);
}

void COneSampleKSDlg::OnCtrlChanged(UINT id) {
    CRecordDlg::OnCtrlChanged(id);
    m_panel.OnCommand(id);
}

void COneSampleKSDlg::OnReset() {
    CRecordDlg::OnReset();
    ResetListToFirstSource(IDC_SELECTED_LIST, m_Data.ListOfVariablesList);
}

BOOL COneSampleKSDlg::OKLike() {
    if (!CRecordDlg::OKLike())
        return 0;
    if (COneSampleKSData* record = GetRecord(); record && HasWindow())
        record->SetWindowState(1);
    return 1;
}

void COneSampleKSDlg::KeepOnDefault(COneSampleKSData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    m_panel.FillDefaults(fresh.DistribManagerData);
}
