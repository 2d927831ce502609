#include "Private/ArimaDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"
#include "Source/TimeSeriesCommon.h"

CArimaDlg::CArimaDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2040>(m_Data.SelectedVariableList).ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CArimaData::kForecastRadioGroup);
}

void CArimaDlg::DoDataExchange(CDataExchange* pDX) {
    const int rows = CGUIBaseObj::GetRowCount();
    const struct {
        UINT edit;
        CGUIData<int>& holder;
    } orders[] = {{IDC_AR_EDIT, m_Data.ArParametersEdit},
                  {IDC_SEASONAL_AR_EDIT, m_Data.SeasonalArEdit},
                  {IDC_MA_EDIT, m_Data.MaEdit},
                  {IDC_SEASONAL_MA_EDIT, m_Data.SeasonalMaEdit}};
    for (const auto& order : orders)
        DDX_Range(pDX, order.edit, order.holder, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_STText(pDX, IDC_SEASON_EDIT, m_Data.SeasonalPerEdit);
    // The season length comes from the series module at every opening; only a length the command
    // would state is checked.
    CheckRange(pDX, IDC_SEASON_EDIT, m_Data.SeasonalPerEdit.GetValue(), 1, rows, eInclusive, eInclusive,
               CGUIBaseObj::IsValueToWrite(m_Data.SeasonalPerEdit) ? 0 : 1);
    DDX_Range(pDX, IDC_ITERATIONS_EDIT, m_Data.IterationsEdit, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_TOLERANCE_EDIT, m_Data.ToleranceEdit, 0.0, 0.1, eExclusive, eInclusive);
    DDX_Range(pDX, IDC_BACKCAST_EDIT, m_Data.BackCastEdit, 0, kNoMaximum, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_FORECAST_NUMBER_EDIT, m_Data.ForeCastNoEdit, 1, rows);
    DDX_Range(pDX, IDC_FORECAST_FROM_EDIT, m_Data.ForeCastFromEdit, 1, rows);
    // The end lies after the start, at most one data length beyond it (a start that is itself out of
    // range, kept by a closed edit, must not overflow the bound).
    const int from = m_Data.ForeCastFromEdit.GetValue();
    const int last = from > kNoMaximum - rows ? kNoMaximum : from + rows;
    DDX_Range(pDX, IDC_FORECAST_TO_EDIT, m_Data.ForeCastToEdit, from, last, eExclusive, eInclusive);
    DDX_Check(pDX, IDC_AR_CHECK, m_Data.ArParametersCheck);
    DDX_Check(pDX, IDC_SEASONAL_AR_CHECK, m_Data.SeasonalArCheck);
    DDX_Check(pDX, IDC_MA_CHECK, m_Data.MaCheck);
    DDX_Check(pDX, IDC_SEASONAL_MA_CHECK, m_Data.SeasonalMaCheck);
    DDX_Check(pDX, IDC_SEASON_CHECK, m_Data.SeasonalPerCheck);
    DDX_Check(pDX, IDC_CONSTANT_CHECK, m_Data.EstimateConstCheck);
    DDX_Check(pDX, IDC_FORECAST_CHECK, m_Data.ForeCastCheck);
    DDX_Radio(pDX, CArimaData::kForecastRadioGroup, m_Data.ForeCastNoRadio);
    CGUIBaseDlg::DoDataExchange(pDX);
}

void CArimaDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_AR_EDIT, IsCtrlChecked(IDC_AR_CHECK));
    EnableCtrl(IDC_SEASONAL_AR_EDIT, IsCtrlChecked(IDC_SEASONAL_AR_CHECK));
    EnableCtrl(IDC_MA_EDIT, IsCtrlChecked(IDC_MA_CHECK));
    EnableCtrl(IDC_SEASONAL_MA_EDIT, IsCtrlChecked(IDC_SEASONAL_MA_CHECK));
    const BOOL seasonal = IsCtrlChecked(IDC_SEASONAL_AR_CHECK) || IsCtrlChecked(IDC_SEASONAL_MA_CHECK);
    EnableCtrl(IDC_SEASON_EDIT, seasonal);
    EnableCtrl(IDC_SEASON_LABEL, seasonal);
    EnableRadioChoices(*this, IsCtrlChecked(IDC_FORECAST_CHECK),
                       {{IDC_FORECAST_NUMBER_RADIO, {IDC_FORECAST_NUMBER_EDIT}},
                        {IDC_FORECAST_RANGE_RADIO, {IDC_FORECAST_FROM_EDIT, IDC_FORECAST_TO_EDIT}}});
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CArimaData, CArimaDlg>(1040));
