// The four composites of the descriptive-statistics menu.

#include <gtest/gtest.h>

#include "FakeHost.h"
#include "Private/StatisticsTabData.h"
#include "RecordTestUtil.h"

namespace {

using Lines = std::vector<std::wstring>;

class DescriptiveTabDataTest : public ::testing::Test {
protected:
    DescriptiveTabDataTest() {
        host.data.AddNumeric(L"x");
        host.data.AddNumeric(L"y");
    }
    FakeHost host;
};

template <class Tab>
std::vector<UINT> PageIDs(Tab& tab) {
    std::vector<UINT> ids;
    for (int i = 0; i < tab.GetPageCount(); ++i)
        ids.push_back(tab.GetPage(i)->GetVariantID());
    return ids;
}

TEST_F(DescriptiveTabDataTest, CompositesGiveTheirPagesTheirVariantsFromTheStart) {
    CStatisticsTabData column;
    CRowStatisticsTabData row;
    CColumnStemPlotTabData columnStem;
    CRowStemPlotTabData rowStem;
    EXPECT_EQ(PageIDs(column), (std::vector<UINT>{2045, 2046, 2362}));
    EXPECT_EQ(PageIDs(row), (std::vector<UINT>{2270, 2271, 2361}));
    EXPECT_EQ(PageIDs(columnStem), (std::vector<UINT>{2048, 0}));
    EXPECT_EQ(PageIDs(rowStem), (std::vector<UINT>{2273, 0}));

    // Resetting a page to the composite's default keeps its variant and, for rows, the row defaults.
    row.Page<CStatisticsData>() = CRowStatisticsTabData::GetDefaultStatistics();
    EXPECT_EQ(row.Page<CStatisticsData>().GetVariantID(), 2270u);
    EXPECT_EQ(row.Page<CStatisticsData>().SumCheck, 1);
    EXPECT_EQ(row.Page<CStatisticsData>().SdCheck, 0);
    EXPECT_EQ(CStatisticsTabData::GetDefaultStatistics().SdCheck, 1);
}

TEST_F(DescriptiveTabDataTest, ColumnStatisticsLinesFromAllThreePages) {
    CStatisticsTabData tab;
    tab.FillListSource();
    auto& statistics = tab.Page<CStatisticsData>();
    EXPECT_EQ(statistics.ListOfVariablesList, Variables({L"x", L"y"}));
    EXPECT_EQ(tab.Page<CStatisticsTilesData>().ListOfVariablesList, Variables({L"x", L"y"}));
    statistics.SelectedVariableList = Variables({L"x", L"y"});
    tab.Page<CStatisticsTilesData>().PercentileCheck = 1;
    EXPECT_EQ(LinesOf(tab), Lines{L"CSTATISTICS x y / N MIN MAX MEAN SD PTILE METHOD = CLEVELAND"});

    // Resampling on: the statistics line loses its options, the percentiles bring their own slash and
    // the resampling line follows.
    tab.Page<CBootStrapData>().BootStrapCheck = 1;
    statistics.ReadResamplingPage();
    EXPECT_EQ(LinesOf(tab),
              (Lines{L"CSTATISTICS x y/ PTILE METHOD = CLEVELAND", L"BOOTSTRAP / SAMPLES = 1000"}));

    // A statistics page whose window state is clear leaves the percentiles nothing to join.
    statistics.SetWindowState(0);
    EXPECT_EQ(LinesOf(tab), Lines{L"BOOTSTRAP / SAMPLES = 1000"});
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(DescriptiveTabDataTest, StemCompositesWriteTheStemLineThenResampling) {
    CColumnStemPlotTabData column;
    CRowStemPlotTabData row;
    column.FillListSource();
    row.FillListSource();
    column.Page<CStemPlotData>().SelectedVariableList = Variables({L"x"});
    row.Page<CStemPlotData>().SelectedVariableList = Variables({L"x", L"y"});
    row.Page<CStemPlotData>().StemLinesEdit.SetUserValue(3);
    row.Page<CBootStrapData>().BootStrapCheck = 1;
    EXPECT_EQ(LinesOf(column), Lines{L"CLSTEM x"});
    EXPECT_EQ(LinesOf(row), (Lines{L"RWSTEM x y/ LINES=3", L"BOOTSTRAP / SAMPLES = 1000"}));
    EXPECT_EQ(row.Page<CStemPlotData>().ListOfVariablesList, Variables({L"x", L"y"}));
    EXPECT_TRUE(host.assertions.empty());
}

}  // namespace
