#pragma once

#include "Private/ArimaData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The ARIMA dialog: model orders, season length, estimation settings and forecasts of one series.
class CArimaDlg : public CRecordDlg<CArimaData> {
public:
    enum : UINT {
        IDD = 2040,
        IDC_SOURCE_LIST = 1129,
        IDC_SELECTED_LIST = 1143,
        IDC_ADD = 1114,
        IDC_REMOVE = 1134,
        IDC_AR_EDIT = 1116,
        IDC_SEASONAL_AR_EDIT = 1138,
        IDC_MA_EDIT = 1131,
        IDC_SEASONAL_MA_EDIT = 1140,
        IDC_SEASON_EDIT = 1142,
        IDC_SEASON_LABEL = 1147,
        IDC_ITERATIONS_EDIT = 1127,
        IDC_TOLERANCE_EDIT = 1145,
        IDC_BACKCAST_EDIT = 1117,
        IDC_FORECAST_NUMBER_EDIT = 1123,
        IDC_FORECAST_FROM_EDIT = 1121,
        IDC_FORECAST_TO_EDIT = 1125,
        IDC_AR_CHECK = 1115,
        IDC_SEASONAL_AR_CHECK = 1137,
        IDC_MA_CHECK = 1130,
        IDC_SEASONAL_MA_CHECK = 1139,
        IDC_SEASON_CHECK = 1141,
        IDC_CONSTANT_CHECK = 1119,
        IDC_FORECAST_CHECK = 1120,
        IDC_SAVE_CHECK = 1135,
        IDC_SAVE_FILE = 1136,
        IDC_FORECAST_NUMBER_RADIO = 1124,
        IDC_FORECAST_RANGE_RADIO = 1122,
        IDC_LIST_MENU_LABEL = 1146,
    };

    explicit CArimaDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
