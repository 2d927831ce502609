#include "Private/ExponentialDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/SeasonalData.h"
#include "Source/TimeSeriesCommon.h"

CExponentialDlg::CExponentialDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2044>(m_Data.SelectedVariableList).ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CExponentialData::kTrendRadioGroup);
    FillRadioFromResource(CExponentialData::kSeasonRadioGroup);
    FillRadioFromResource(CExponentialData::kForecastRadioGroup);
}

void CExponentialDlg::DoDataExchange(CDataExchange* pDX) {
    const struct {
        UINT edit;
        CGUIData<double>& holder;
    } weights[] = {{IDC_SMOOTH_EDIT, m_Data.SmoothEdit},
                   {IDC_LINEAR_EDIT, m_Data.TrendLinearEdit},
                   {IDC_PERCENT_EDIT, m_Data.PercentEdit},
                   {IDC_ADDITIVE_EDIT, m_Data.SeasonAddEdit},
                   {IDC_MULTIPLICATIVE_EDIT, m_Data.SeasonMultiEdit}};
    for (const auto& weight : weights) {
        DDX_Range(pDX, weight.edit, weight.holder, 0.0, 1.0, eInclusive, eExclusive);
    }
    DDX_Range(pDX, IDC_NUMBER_EDIT, m_Data.NumberEdit, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_FROM_EDIT, m_Data.ForecastFromEdit, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_TO_EDIT, m_Data.ForecastToEdit, m_Data.ForecastFromEdit.GetValue(), kNoMaximum,
              eExclusive, eNoValidation);
    DDX_STText(pDX, IDC_PERIOD_EDIT, m_Data.SeasonPeriodEdit);
    if (CExponentialData::IsSeasonPeriodRangeChecked())
        DDV_MinMaxInt(pDX, IDC_PERIOD_EDIT, m_Data.SeasonPeriodEdit, CSeasonalData::kMinimumSeasonLength,
                      CSeasonalData::GetMaximumSeasonLength());
    DDX_Check(pDX, IDC_TREND_CHECK, m_Data.TrendCheck);
    DDX_Check(pDX, IDC_SEASON_CHECK, m_Data.SeasonCompCheck);
    DDX_Check(pDX, IDC_FORECAST_CHECK, m_Data.ForecastCheck);
    DDX_Check(pDX, IDC_PERIOD_CHECK, m_Data.SeasonPeriodCheck);

    DDX_Radio(pDX, CExponentialData::kTrendRadioGroup, m_Data.TrendLinearRadio);
    DDX_Radio(pDX, CExponentialData::kSeasonRadioGroup, m_Data.SeasonaddRadio);
    DDX_Radio(pDX, CExponentialData::kForecastRadioGroup, m_Data.NumberRadio);
    CGUIBaseDlg::DoDataExchange(pDX);
}

// The period depends on the data and the series module, as when the dialog is launched.
void CExponentialDlg::KeepOnDefault(CExponentialData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.SeasonPeriodEdit = CSeasonalData::GetReassignedDefaultSeasonEdit();
}

void CExponentialDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableRadioChoices(*this, IsCtrlChecked(IDC_TREND_CHECK),
                       {{IDC_LINEAR_RADIO, {IDC_LINEAR_EDIT}}, {IDC_PERCENT_RADIO, {IDC_PERCENT_EDIT}}});
    const BOOL season = IsCtrlChecked(IDC_SEASON_CHECK);
    EnableCtrl(IDC_PERIOD_CHECK, season);
    EnableRadioChoices(
        *this, season,
        {{IDC_ADDITIVE_RADIO, {IDC_ADDITIVE_EDIT}}, {IDC_MULTIPLICATIVE_RADIO, {IDC_MULTIPLICATIVE_EDIT}}});
    EnableRadioChoices(*this, IsCtrlChecked(IDC_FORECAST_CHECK),
                       {{IDC_NUMBER_RADIO, {IDC_NUMBER_EDIT}},
                        {IDC_RANGE_RADIO, {IDC_FROM_EDIT, IDC_TO_EDIT, IDC_TO_LABEL}}});
    // The period edit follows its check alone: a check left set under a cleared seasonal component
    // still keeps it open, as the record still writes the period then.
    EnableCtrl(IDC_PERIOD_EDIT, IsCtrlChecked(IDC_PERIOD_CHECK));
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CExponentialData, CExponentialDlg>(1044));
