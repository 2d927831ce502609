#include "TvkDlgBase/CBootStrapDlg.h"

#include <climits>

CBootStrapDlg::CBootStrapDlg(CGUIBaseDlg* parent) : CGUIBaseDlg(IDD, parent) {
    FillComboFromResource(IDC_METHOD_COMBO, CBootStrapData::kMethodCombo);
}

void CBootStrapDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_BOOTSTRAP_CHECK, m_BootStrapCheck);
    DDX_CBIndex(pDX, IDC_METHOD_COMBO, m_MethodCombo);
    DDX_STText(pDX, IDC_SAMPLES_EDIT, m_SamplesEdit);
    DDV_MinMaxInt(pDX, IDC_SAMPLES_EDIT, m_SamplesEdit, 1, INT_MAX, eInclusive, eNoValidation);
    DDX_STText(pDX, IDC_SIZE_EDIT, m_SampleSizeEdit);
    // 0 is "as many as the data has", so the lower end is 0 rather than 1.
    DDV_MinMaxInt(pDX, IDC_SIZE_EDIT, m_SampleSizeEdit, 0, CGUIBaseObj::GetRowCount(), eInclusive,
                  eInclusive);
    DDX_STText(pDX, IDC_SEED_EDIT, m_SeedEdit);
    DDV_MinMaxInt(pDX, IDC_SEED_EDIT, m_SeedEdit, 0, INT_MAX, eInclusive, eNoValidation);
}

int CBootStrapDlg::GetAll() {
    return GetRecord() ? GetRecord()->GetAll(m_BootStrapCheck, m_MethodCombo, m_SamplesEdit, m_SampleSizeEdit,
                                             m_SeedEdit)
                       : 0;
}

int CBootStrapDlg::SetAll() {
    return GetRecord() ? GetRecord()->SetAll(m_BootStrapCheck, m_MethodCombo, m_SamplesEdit, m_SampleSizeEdit,
                                             m_SeedEdit)
                       : 0;
}

int CBootStrapDlg::GetAllDefault() {
    m_BootStrapCheck = CBootStrapData::GetDefaultBootStrapCheck();
    m_MethodCombo = CBootStrapData::GetDefaultMethodCombo();
    m_SamplesEdit = CBootStrapData::GetDefaultSamplesEdit();
    m_SampleSizeEdit = CBootStrapData::GetDefaultSampleSizeEdit();
    m_SeedEdit = CBootStrapData::GetDefaultSeedEdit();
    SetAll();
    if (CBootStrapData* record = GetRecord())
        record->SetEditAttribute();
    GetAll();
    return 1;
}

int CBootStrapDlg::SetAllDefault() {
    if (CBootStrapData* record = GetRecord()) {
        // The page keeps the variant its composite gave it.
        const UINT variant = record->GetVariantID();
        *record = CBootStrapData();
        record->SetVariantID(variant);
    }
    return 1;
}

void CBootStrapDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_SAMPLES_EDIT, L"[1, +inf)", 0);
    AddToolTip(IDC_SIZE_EDIT, L"0 or [1, #cases]", 0);
    AddToolTip(IDC_SEED_EDIT, L"[0, +inf)", 0);
}

void CBootStrapDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    if (!HasWindow())
        return;
    const bool on = IsCtrlChecked(IDC_BOOTSTRAP_CHECK) != 0;
    const bool drawn = on && Ctrl(IDC_METHOD_COMBO).m_nComboIndex != CBootStrapData::MethodJackknife;
    EnableCtrl(IDC_METHOD_LABEL, on);
    EnableCtrl(IDC_METHOD_COMBO, on);
    for (UINT id :
         {IDC_SAMPLES_LABEL, IDC_SAMPLES_EDIT, IDC_SIZE_LABEL, IDC_SIZE_EDIT, IDC_SEED_LABEL, IDC_SEED_EDIT})
        EnableCtrl(id, drawn);
}

void CBootStrapDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_METHOD_COMBO)
        UpdateDependentWindows();
}
