// The percentiles page (clauses joined to the statistics line) and the stem-and-leaf page.

#include <gtest/gtest.h>

#include "FakeHost.h"
#include "Private/StatisticsTilesData.h"
#include "Private/StemPlotData.h"
#include "RecordTestUtil.h"

namespace {

using Lines = std::vector<std::wstring>;

class TilesTest : public ::testing::Test {
protected:
    // The clauses of `tiles` joined to the given lines.
    static Lines Joined(const CStatisticsTilesData& tiles, Lines before) {
        CCmdList lines;
        for (const auto& l : before)
            lines.AddTail(CCmdInfo(l, 0));
        tiles.GetCommandInfoList(lines);
        Lines out;
        for (const auto& l : lines)
            out.emplace_back(l.GetCommand().str());
        return out;
    }
    static CStatisticsTilesData Tiles(UINT variant = CStatisticsTilesData::kColumnTiles) {
        CStatisticsTilesData tiles;
        tiles.SetVariantID(variant);
        return tiles;
    }

    TilesTest() {
        host.data.AddNumeric(L"x");
        host.data.AddString(L"label");
        host.data.AddNumeric(L"y");
    }
    FakeHost host;
};

TEST_F(TilesTest, Clauses) {
    using T = CStatisticsTilesData;
    constexpr int T::*kMethods[] = {
        &T::ClevelandCheck,      &T::WeightedAvgOneCheck,  &T::ClosestCheck,         &T::EmpiricalCdfCheck,
        &T::WeightedAvgTwoCheck, &T::EmpiricalCdfAvgCheck, &T::WeightedAvgThreeCheck};
    const struct {
        int nTiles;  // 0: off
        int percentiles;
        const wchar_t* list;  // null: the default list
        const wchar_t* values;
        int all;
        const char* methods;  // a 0/1 flag per method, in kMethods order
        const wchar_t* clauses;
    } cases[] = {
        // The default percentile list is the kernel's own; only a changed one is spelt out.
        {0, 1, nullptr, L"", 0, "0000000", L" PTILE"},
        {0, 1, L"1 5 10 20 25 30 40 50 60 70 75 80 90 95  99", L"", 0, "1000000",
         L" PTILE = 1 5 10 20 25 30 40 50 60 70 75 80 90 95  99 METHOD = CLEVELAND"},
        {0, 1, L"", L"", 0, "1000000", L" PTILE METHOD = CLEVELAND"},
        {4, 0, nullptr, L"1.5 2", 0, "1000000", L" NTILE = 4 METHOD = CLEVELAND DATA = [1.5 2]"},
        {4, 0, nullptr, L"", 0, "1111111",
         L" NTILE = 4 METHOD = CLEVELAND WTDAVG1 CLOSEST EMPCDF WTDAVG2 EMPCDFAVG WTDAVG3"},
        {4, 0, nullptr, L"", 1, "0010000", L" NTILE = 4 METHOD = ALL"},
        {4, 0, nullptr, L"", 0, "0000000", L" NTILE = 4"},
        // Methods and data belong to n-tiles or percentiles.
        {0, 0, nullptr, L"3", 1, "1000000", L""},
    };
    for (const auto& c : cases) {
        auto tiles = Tiles();
        tiles.NTileCheck = c.nTiles != 0;
        if (c.nTiles)
            tiles.NTileEdit.SetUserValue(c.nTiles);
        tiles.PercentileCheck = c.percentiles;
        if (c.list)
            tiles.PercentileEdit = c.list;
        tiles.ValuesEdit = c.values;
        tiles.AllOptionsCheck = c.all;
        for (std::size_t i = 0; i < std::size(kMethods); ++i)
            tiles.*kMethods[i] = c.methods[i] == '1';
        EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x /"}), Lines{L"CSTATISTICS x /" + std::wstring(c.clauses)})
            << c.clauses;
    }
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(TilesTest, ClausesGetASlashWhenTheStatisticsLineHasNone) {
    auto tiles = Tiles();
    tiles.PercentileCheck = 1;
    // With resampling on the statistics line is only the keyword and the variables.
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x y"}), Lines{L"CSTATISTICS x y/ PTILE METHOD = CLEVELAND"});
    tiles.PercentileCheck = 0;
    tiles.SelectedVarList = Variables({L"g"});
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x"}), Lines{L"CSTATISTICS x/ CLASSIFY = g"});
}

TEST_F(TilesTest, ClausesJoinTheLineOfTheirOwnVariantOnly) {
    auto row = Tiles(CStatisticsTilesData::kRowTiles);
    row.PercentileCheck = 1;
    row.ClevelandCheck = 0;
    EXPECT_EQ(Joined(row, {L"SAVE \"f\" S", L"CSTATISTICS x /", L"RSTATISTICS x /"}),
              (Lines{L"SAVE \"f\" S", L"CSTATISTICS x /", L"RSTATISTICS x / PTILE"}));

    // No statistics line: the clauses have nowhere to go and are dropped.
    EXPECT_EQ(Joined(row, {L"CSTATISTICS x /"}), Lines{L"CSTATISTICS x /"});

    auto unknown = Tiles(0);
    unknown.PercentileCheck = 1;
    EXPECT_EQ(Joined(unknown, {L"CSTATISTICS x /"}), Lines{L"CSTATISTICS x / PTILE METHOD = CLEVELAND"});
    EXPECT_EQ(host.assertions.size(), 1u);
}

TEST_F(TilesTest, NTileHolderIsMarkedAndTheArchiveHasItsLayout) {
    EXPECT_EQ(CStatisticsTilesData().NTileEdit.GetSecond(), 1);

    auto tiles = Tiles();
    tiles.ListOfVariablesList = Variables({L"x"});
    tiles.SelectedVarList = Variables({L"g"});
    SetChanged(tiles.NTileEdit, 5);
    tiles.PercentileEdit = L"10 90";
    tiles.ValuesEdit = L"2";
    // Every other check on, so that two neighbours swapped show.
    tiles.NTileCheck = tiles.AllOptionsCheck = tiles.WeightedAvgOneCheck = 1;
    tiles.EmpiricalCdfCheck = tiles.EmpiricalCdfAvgCheck = 1;
    tiles.ClevelandCheck = 0;

    ExpectedArchive expected;
    expected.Base().Text(u"10 90").Text(u"2");
    // NTile, Percentile, All, Cleveland, WtdAvg1, Closest, EmpCdf, WtdAvg2, EmpCdfAvg, WtdAvg3
    for (int v : {1, 0, 1, 0, 1, 0, 1, 0, 1, 0})
        expected.Int(v);
    expected.List({{u"x"}}).List({{u"g"}}).Holder(0, 1, 0, 5, 1);
    EXPECT_EQ(Store(tiles), expected.bytes());
}

TEST_F(TilesTest, SourceListsAreTheDataNumericVariablesForEitherVariant) {
    auto tiles = Tiles(CStatisticsTilesData::kRowTiles);
    tiles.FillListSource();
    EXPECT_EQ(tiles.ListOfVariablesList, Variables({L"x", L"y"}));
    for (UINT variant : {CStemPlotData::kColumnStem, CStemPlotData::kRowStem}) {
        CStemPlotData stem;
        stem.SetVariantID(variant);
        stem.FillListSource();
        EXPECT_EQ(stem.ListOfVariablesList, Variables({L"x", L"y"}));
    }
    EXPECT_TRUE(host.assertions.empty());
    CStemPlotData unknown;
    unknown.FillListSource();
    EXPECT_EQ(host.assertions.size(), 1u);
}

using StemTest = TilesTest;

TEST_F(StemTest, LinesAreWrittenOnlyOnceTyped) {
    const struct {
        UINT variant;
        int lines;  // 0: untouched
        bool allValues;
        const wchar_t* line;
    } cases[] = {
        {CStemPlotData::kColumnStem, 0, false, L"CLSTEM x y"},
        // The untouched 0 lets the kernel decide: not even the all-values switch writes it.
        {CStemPlotData::kRowStem, 0, true, L"RWSTEM x y"},
        {CStemPlotData::kColumnStem, 7, false, L"CLSTEM x y/ LINES=7"},
        {0, 0, false, L"CLSTEM x y"},
    };
    for (const auto& c : cases) {
        CStemPlotData stem;
        stem.SetVariantID(c.variant);
        stem.SelectedVariableList = Variables({L"x", L"y"});
        if (c.lines)
            stem.StemLinesEdit.SetUserValue(c.lines);
        host.allValues = c.allValues;
        EXPECT_EQ(LinesOf(stem), Lines{c.line});
    }
    EXPECT_EQ(host.assertions.size(), 1u);  // the unknown variant
}

TEST_F(StemTest, ArchiveBytesOfANonDefaultRecord) {
    CStemPlotData stem;
    stem.ListOfVariablesList = Variables({L"x", L"y"});
    stem.SelectedVariableList = Variables({L"y"});
    SetChanged(stem.StemLinesEdit, 12);
    ExpectedArchive expected;
    expected.Base().List({{u"x"}, {u"y"}}).List({{u"y"}}).Holder(0, 2, 0, 12, 1);
    EXPECT_EQ(Store(stem), expected.bytes());
}

}  // namespace
