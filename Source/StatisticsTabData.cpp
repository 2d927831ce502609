#include "Private/StatisticsTabData.h"

#include "Source/RecordRegistry.h"

namespace {

template <class Page>
Page MakePage(UINT variant) {
    Page page;
    page.SetVariantID(variant);
    return page;
}

}  // namespace

CStatisticsTabData::CStatisticsTabData()
    : CStatisticsPages(GetDefaultStatistics(), GetDefaultStatisticsTiles(), GetDefaultBootStrap()) {}

CStatisticsData CStatisticsTabData::GetDefaultStatistics() {
    return MakePage<CStatisticsData>(kPageIDs[0]);
}

CStatisticsTilesData CStatisticsTabData::GetDefaultStatisticsTiles() {
    return MakePage<CStatisticsTilesData>(kPageIDs[1]);
}

CBootStrapData CStatisticsTabData::GetDefaultBootStrap() {
    return MakePage<CBootStrapData>(kPageIDs[2]);
}

CRowStatisticsTabData::CRowStatisticsTabData()
    : CStatisticsPages(GetDefaultStatistics(), GetDefaultStatisticsTiles(), GetDefaultBootStrap()) {}

CStatisticsData CRowStatisticsTabData::GetDefaultStatistics() {
    CStatisticsData page = MakePage<CStatisticsData>(kPageIDs[0]);
    page.SumCheck = CStatisticsData::GetDefaultSumCheckRow();
    page.SdCheck = CStatisticsData::GetDefaultSdCheckRow();
    return page;
}

CStatisticsTilesData CRowStatisticsTabData::GetDefaultStatisticsTiles() {
    return MakePage<CStatisticsTilesData>(kPageIDs[1]);
}

CBootStrapData CRowStatisticsTabData::GetDefaultBootStrap() {
    return MakePage<CBootStrapData>(kPageIDs[2]);
}

CColumnStemPlotTabData::CColumnStemPlotTabData()
    : CStemPlotPages(GetDefaultStemPlot(), GetDefaultBootStrap()) {}

CStemPlotData CColumnStemPlotTabData::GetDefaultStemPlot() {
    return MakePage<CStemPlotData>(kPageIDs[0]);
}

CBootStrapData CColumnStemPlotTabData::GetDefaultBootStrap() {
    return MakePage<CBootStrapData>(kPageIDs[1]);
}

CRowStemPlotTabData::CRowStemPlotTabData() : CStemPlotPages(GetDefaultStemPlot(), GetDefaultBootStrap()) {}

CStemPlotData CRowStemPlotTabData::GetDefaultStemPlot() {
    return MakePage<CStemPlotData>(kPageIDs[0]);
}

CBootStrapData CRowStemPlotTabData::GetDefaultBootStrap() {
    return MakePage<CBootStrapData>(kPageIDs[1]);
}

REGISTER_RECORD(CStatisticsTabData);
REGISTER_RECORD(CRowStatisticsTabData);
REGISTER_RECORD(CColumnStemPlotTabData);
REGISTER_RECORD(CRowStemPlotTabData);
