#pragma once

#include <map>

#include "Private/StatisticsTilesData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The percentiles page of the column statistics (2046) and row statistics (2271) composites.
class CStatisticsTilesDlg : public CRecordDlg<CStatisticsTilesData> {
public:
    enum : UINT {
        IDD = 2230,
        IDC_SOURCE_LIST = 4773,
        IDC_SELECTED_LIST = 4780,
        IDC_ADD = 4766,
        IDC_REMOVE = 4779,
        IDC_LIST_MENU_LABEL = 4781,
        IDC_CLASSIFY_GROUP = 34,
        IDC_VALUES_LABEL = 4783,
        IDC_NTILE_EDIT = 4776,
        IDC_NTILE_LABEL = 4768,
        IDC_PERCENTILE_EDIT = 4778,
        IDC_VALUES_EDIT = 4782,
        IDC_NTILE_CHECK = 4775,
        IDC_PERCENTILE_CHECK = 4777,
        IDC_METHOD_LABEL = 4774,
        IDC_ALL_METHODS = 4767,
        IDC_CLEVELAND = 4769,
        IDC_WTDAVG1 = 4784,
        IDC_CLOSEST = 4770,
        IDC_EMPCDF = 4772,
        IDC_WTDAVG2 = 4786,
        IDC_EMPCDFAVG = 4771,
        IDC_WTDAVG3 = 4785,
    };
    // The tool tip of the percentile list.
    static constexpr UINT kPercentileToolTip = 12972;

    explicit CStatisticsTilesDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    int SetAllDefault() override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlClicked(UINT id) override;
    BOOL OKLike() override;

    // The method boxes' states the all-methods box keeps while it is checked, by control id; shared by
    // every percentiles page.
    static std::map<UINT, int> m_mapIDS2State;

private:
    void OnAllOptionsCheck();
    void UpdateMap(UINT id, bool allMethods);
};
