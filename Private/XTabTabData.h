#pragma once

#include "Private/Stats2WayData.h"
#include "Private/TabData.h"
#include "Private/XTab1WayData.h"
#include "Private/XTab2WayData.h"
#include "Private/XTabNWayData.h"
#include "Private/XtabCellStatisticsData.h"
#include "Private/XtabMultiwayStandData.h"
#include "Records/XTabTabData.h"
#include "TvkDlgBase/CBootStrapData.h"

// A composite whose pages print as they need and that puts the kernel's print setting back after them:
// it reads the setting before asking the pages and appends the reset after the last, whether or not a
// page wrote a line.
template <class... Pages>
class CPrintResetTabData : public CTabData<Pages...> {
protected:
    bool ResetsPrintSetting() const override { return true; }
};

// The composites of the tables menu. Each knows its caption identifier and the caption identifiers its
// dialog gives the pages (kPageIDs, in page order; 0 for a page given none).

// One-way tables: table, cell statistics, resampling.
class CXTab1WayTabData : public CPrintResetTabData<CXTab1WayData, CXtabCellStatisticsData, CBootStrapData>,
                         public CXTab1WayTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {0, 2366, 0};

    static CXTab1WayData GetDefaultXTab1Way() { return {}; }
    static CXtabCellStatisticsData GetDefaultXTabCellStatistics() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};

// Two-way tables: table, measures of association, cell statistics, resampling.
class CXTab2WayTabData
    : public CPrintResetTabData<CXTab2WayData, CStats2WayData, CXtabCellStatisticsData, CBootStrapData>,
      public CXTab2WayTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {0, 0, 2367, 0};

    static CXTab2WayData GetDefaultXTab2Way() { return {}; }
    static CStats2WayData GetDefaultStats2Way() { return {}; }
    static CXtabCellStatisticsData GetDefaultXtabCellStatistics() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};

// Multiway tables: table, cell statistics, resampling.
class CXTabNWayTabData : public CPrintResetTabData<CXTabNWayData, CXtabCellStatisticsData, CBootStrapData>,
                         public CXTabNWayTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {0, 2368, 0};

    static CXTabNWayData GetDefaultXTabNWay() { return {}; }
    static CXtabCellStatisticsData GetDefaultXTabCellStatisticsData() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};

// Standardized multiway tables: table, measures of association, resampling.
class CXtabMultiwayTabData
    : public CPrintResetTabData<CXtabMultiwayStandData, CStats2WayData, CBootStrapData>,
      public CXtabMultiwayTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {0, 2377, 0};

    static CXtabMultiwayStandData GetDefaultXtabMultiwayStand() { return {}; }
    static CStats2WayData GetDefaultStats2Way() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};
