#pragma once

#include <map>

#include "Private/StatisticsData.h"
#include "Templates/2229_statistics.h"
#include "TvkBaseGui/CRecordDlg.h"

// The statistics page of the column statistics (2045) and row statistics (2270) composites.
class CStatisticsDlg : public CRecordDlg<CStatisticsData>, public Template2229, public CStatisticsDlgValues {
public:
    enum : UINT {
        IDC_SAVE_COMBO = CStatisticsData::kSaveCombo,
        IDC_TRMEAN_COMBO = CStatisticsData::kTrimRegionCombo,
    };

    TVK_DIALOG(CStatisticsDlg, DoDataExchange, AddToolTips, UpdateDependentWindows, OnCtrlChanged,
               OnCtrlClicked);

    int SetAllDefault() override;
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
