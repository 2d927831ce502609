#pragma once

#include "Private/ExponentialData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The exponential smoothing dialog: weights of the level, the trend and the seasonal component, the
// season period and forecasts.
class CExponentialDlg : public CRecordDlg<CExponentialData> {
public:
    enum : UINT {
        IDD = 2044,
        IDC_SOURCE_LIST = 1796,
        IDC_SELECTED_LIST = 1811,
        IDC_ADD = 1789,
        IDC_REMOVE = 1800,
        IDC_SMOOTH_EDIT = 1813,
        IDC_LINEAR_EDIT = 1817,
        IDC_PERCENT_EDIT = 1799,
        IDC_ADDITIVE_EDIT = 1803,
        IDC_MULTIPLICATIVE_EDIT = 1806,
        IDC_NUMBER_EDIT = 1797,
        IDC_FROM_EDIT = 1792,
        IDC_TO_EDIT = 1794,
        IDC_TO_LABEL = 1795,
        IDC_PERIOD_EDIT = 1808,
        IDC_TREND_CHECK = 1816,
        IDC_SEASON_CHECK = 1804,
        IDC_FORECAST_CHECK = 1791,
        IDC_PERIOD_CHECK = 1807,
        IDC_SAVE_CHECK = 1801,
        IDC_SAVE_FILE = 1802,
        IDC_LINEAR_RADIO = 1818,
        IDC_PERCENT_RADIO = 1819,
        IDC_ADDITIVE_RADIO = 1809,
        IDC_MULTIPLICATIVE_RADIO = 1810,
        IDC_NUMBER_RADIO = 1798,
        IDC_RANGE_RADIO = 1793,
        IDC_LIST_MENU_LABEL = 1790,
    };

    explicit CExponentialDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;

protected:
    void KeepOnDefault(CExponentialData& fresh) override;
};
