#include "Private/OneSampleKSDlg.h"

COneSampleKSDlg::COneSampleKSDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2462>(m_Data.SelectedVariablesList, kVariableTypeNumeric).ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveStatisticCheck, IDC_SAVE_FILE, m_Data.SaveStatisticEdit);
}

BOOL COneSampleKSDlg::OnInitDialog() {
    const UINT variant = GetDlgCaptionID();
    m_Data.SetVariantID(variant);
    CGUIBaseDlg::OnInitDialog();
    m_panel.Open(*this, m_Data.DistribManagerData, COneSampleKSData::DistribInfoFile(variant),
                 IDC_PLACEHOLDER, 1);
    return 1;
}

void COneSampleKSDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);

    m_panel.DoDataExchange(pDX);
}

void COneSampleKSDlg::OnCtrlChanged(UINT id) {
    CRecordDlg::OnCtrlChanged(id);
    m_panel.OnCommand(id);
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
