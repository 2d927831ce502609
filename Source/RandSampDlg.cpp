#include "Private/RandSampDlg.h"

#include <limits>

CRandSampDlg::CRandSampDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

BOOL CRandSampDlg::OnInitDialog() {
    // The buffer decides, as the record does, by the variant identifier which lines it writes.
    const UINT variantId = GetRecord() ? GetRecord()->GetVariantID() : CRandSampData::kContinuous;
    m_Data.SetVariantID(variantId);
    CGUIBaseDlg::OnInitDialog();
    m_panel.Open(*this, m_Data.DistribManagerData, CRandSampData::DistribInfoFile(variantId), IDC_PLACEHOLDER,
                 1);
    return 1;
}

void CRandSampDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const int most = std::numeric_limits<int>::max();
    DDX_Range(pDX, IDC_SIZE_EDIT, m_Data.SizeOfSampleEdit, 1, most, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_NSAMP_EDIT, m_Data.NumSampleEdit, 1, most, eInclusive, eNoValidation);
    DDX_OptionalRange(pDX, IDC_SEED_EDIT, m_Data.RandomSeedEdit, CRandSampData::GetDefaultRandomSeedEdit(),
                      1u, CRandSampData::SeedMaximum());

    m_panel.DoDataExchange(pDX);
}

void CRandSampDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_SEED_EDIT, L"[1 , " + NumberText(CRandSampData::SeedMaximum()) + L"]", 0);
}

void CRandSampDlg::OnCtrlChanged(UINT id) {
    CRecordDlg::OnCtrlChanged(id);
    m_panel.OnCommand(id);
}

void CRandSampDlg::KeepOnDefault(CRandSampData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    m_panel.FillDefaults(fresh.DistribManagerData);
}
