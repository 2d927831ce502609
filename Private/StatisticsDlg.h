#pragma once

#include <map>

#include "Private/StatisticsData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The statistics page of the column statistics (2045) and row statistics (2270) composites.
class CStatisticsDlg : public CRecordDlg<CStatisticsData> {
public:
    enum : UINT {
        IDD = 2229,
        IDC_SOURCE_LIST = 4741,
        IDC_SELECTED_LIST = 4759,
        IDC_ADD = 4732,
        IDC_REMOVE = 4753,
        IDC_LIST_MENU_LABEL = 4760,
        IDC_CIM_EDIT = 4736,
        IDC_TRMEAN_EDIT = 4789,
        IDC_ALL_OPTIONS = 4733,
        IDC_N = 4750,
        IDC_MINIMUM = 4745,
        IDC_MAXIMUM = 4742,
        IDC_SUM = 4765,
        IDC_SHAPIRO_WILK = 4763,
        IDC_ANDERSON_DARLING = 4734,
        IDC_MSKEWNESS = 4748,
        IDC_MKURTOSIS = 4747,
        IDC_HZTEST = 4746,
        IDC_MULTIVARIATE_LABEL = 4749,
        IDC_MEAN = 4743,
        IDC_SEM = 4761,
        IDC_CIM = 4735,
        IDC_GM = 4738,
        IDC_HM = 4739,
        IDC_TRMEAN = 4787,
        IDC_MEDIAN = 4744,
        IDC_SD = 4757,
        IDC_CV = 4737,
        IDC_RANGE = 4752,
        IDC_VARIANCE = 4790,
        IDC_SKEWNESS = 4764,
        IDC_SES = 4762,
        IDC_KURTOSIS = 4740,
        IDC_SEK = 4758,
        IDC_SAVE_CHECK = 4754,
        IDC_SAVE_COMBO = CStatisticsData::kSaveCombo,
        IDC_TRMEAN_COMBO = CStatisticsData::kTrimRegionCombo,
        IDC_SAVE_FILE = 4756,
    };
    // The resampling page's check, read at OK.
    static constexpr UINT kResamplingCheck = 1226;

    explicit CStatisticsDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    int SetAllDefault() override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
    void OnCtrlClicked(UINT id) override;
    BOOL OKLike() override;

    // The check states the all-options box keeps while it is checked, by control id; shared by every
    // statistics page, so that a later opening can still give them back.
    static std::map<UINT, int> m_mapIDS2State;

protected:
    // The defaults are those of the composite the page sits in: the row statistics have their own.
    void KeepOnDefault(CStatisticsData& fresh) override;

private:
    void OnAllOptionsCheck();
    // Checking the all-options box keeps the box's state and checks it; unchecking gives a kept state
    // back.
    void UpdateMap(UINT id, bool allOptions);
    void EnableTrimming();
    // BootStrapChecked from the resampling page of the composite: its check while it has a window,
    // else its record.
    void ReadResamplingPage();
};
