#pragma once

#include <map>

#include "Private/StatisticsTilesData.h"
#include "Templates/2230_statisticstiles.h"
#include "TvkBaseGui/CRecordDlg.h"

// The percentiles page of the column statistics (2046) and row statistics (2271) composites.
class CStatisticsTilesDlg : public CRecordDlg<CStatisticsTilesData>,
                            public Template2230,
                            public CStatisticsTilesDlgValues {
public:
    TVK_DIALOG(CStatisticsTilesDlg, DoDataExchange, AddToolTips, UpdateDependentWindows, OnCtrlClicked);

    int SetAllDefault() override;
    BOOL OKLike() override;

    // The method boxes' states the all-methods box keeps while it is checked, by control id; shared by
    // every percentiles page.
    static std::map<UINT, int> m_mapIDS2State;

private:
    void OnAllOptionsCheck();
    void UpdateMap(UINT id, bool allMethods);
};
