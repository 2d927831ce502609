#pragma once

#include "Private/StatisticsData.h"
#include "Private/StatisticsTilesData.h"
#include "Private/StemPlotData.h"
#include "Private/TabData.h"
#include "Records/StatisticsTabData.h"
#include "TvkDlgBase/CBootStrapData.h"

// The composites of the descriptive-statistics menu. Each knows the variant identifiers its dialog
// gives the pages (kPageIDs, in page order; 0 for a page given none) and builds its pages with them, so
// that a composite and its default pages are right before any dialog has shown them.

using CStatisticsPages = CTabData<CStatisticsData, CStatisticsTilesData, CBootStrapData>;
using CStemPlotPages = CTabData<CStemPlotData, CBootStrapData>;

// Column statistics: statistics, percentiles, resampling.
class CStatisticsTabData : public CStatisticsPages, public CStatisticsTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {2045, 2046, 2362};

    CStatisticsTabData();

    static CStatisticsData GetDefaultStatistics();
    static CStatisticsTilesData GetDefaultStatisticsTiles();
    static CBootStrapData GetDefaultBootStrap();
};

// Row statistics: the same pages, with the row variants and the row defaults of the statistics page.
class CRowStatisticsTabData : public CStatisticsPages, public CRowStatisticsTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {2270, 2271, 2361};

    CRowStatisticsTabData();

    static CStatisticsData GetDefaultStatistics();
    static CStatisticsTilesData GetDefaultStatisticsTiles();
    static CBootStrapData GetDefaultBootStrap();
};

// Column stem-and-leaf: stem page, resampling.
class CColumnStemPlotTabData : public CStemPlotPages, public CColumnStemPlotTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {2048, 0};

    CColumnStemPlotTabData();

    static CStemPlotData GetDefaultStemPlot();
    static CBootStrapData GetDefaultBootStrap();
};

// Row stem-and-leaf: stem page, resampling.
class CRowStemPlotTabData : public CStemPlotPages, public CRowStemPlotTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {2273, 0};

    CRowStemPlotTabData();

    static CStemPlotData GetDefaultStemPlot();
    static CBootStrapData GetDefaultBootStrap();
};
