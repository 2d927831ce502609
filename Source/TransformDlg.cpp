#include "Private/TransformDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"
#include "TvkDlgBase/TvkDlgBase.h"

CTransformDlg::CTransformDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2053>(m_Data.SelectedVariableList)
        .AtLeast(1, kSelectedListMessage)
        .ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillComboFromResource(IDC_TYPE_COMBO, CTransformData::kTypeCombo);
    FillComboFromResource(IDC_SAVE_COMBO, CTransformData::kSaveCombo);
}

void CTransformDlg::DoDataExchange(CDataExchange* pDX) {
    const int cases = CGUIBaseObj::GetRowCount();
    DDX_Range(pDX, IDC_LAG_EDIT, m_Data.SeriesLagEdit, 1, cases);
    DDX_Range(pDX, IDC_BASE_EDIT, m_Data.SeriesBaseEdit, 1, cases);
    DDX_Range(pDX, IDC_PROPORTION_EDIT, m_Data.SeriesProportionEdit, 0.0, 1.0, eExclusive, eInclusive);
    DDX_CBIndex(pDX, IDC_TYPE_COMBO, m_Data.SeriesTypeCombo);
    DDX_CBIndex(pDX, IDC_SAVE_COMBO, m_Data.SeriesSaveCombo);
    CGUIBaseDlg::DoDataExchange(pDX);
}

int CTransformDlg::GetAllDefault() {
    CTransformData fresh;
    KeepOnDefault(fresh);
    m_Data.Options() = fresh.Options();
    return 1;
}

void CTransformDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    OnSelchangeSeriesEnableDisable();
}

void CTransformDlg::OnSelchangeSeriesEnableDisable() {
    const CTKCtrl& combo = Ctrl(IDC_TYPE_COMBO);
    const auto* transformation = CTransformData::FindTransformation(
        CComboUtil::GetComboItem(CTransformData::kTypeCombo, combo.m_nComboIndex));
    if (!transformation)
        return;
    using Parameter = CTransformData::Parameter;
    const struct {
        Parameter parameter;
        UINT edit;
        UINT label;
    } kParameterControls[] = {
        {Parameter::lag, IDC_LAG_EDIT, IDC_LAG_LABEL},
        {Parameter::base, IDC_BASE_EDIT, IDC_BASE_LABEL},
        {Parameter::proportion, IDC_PROPORTION_EDIT, IDC_PROPORTION_LABEL},
    };
    for (const auto& c : kParameterControls) {
        const BOOL enable = transformation->parameter == c.parameter ? 1 : 0;
        EnableCtrl(c.edit, enable, 1);
        EnableCtrl(c.label, enable, 1);
    }
}

void CTransformDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_TYPE_COMBO)
        UpdateDependentWindows();
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CTransformData, CTransformDlg>(1053));
