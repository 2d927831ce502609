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
        tiles.SetDialogID(variant);
        return tiles;
    }

    FakeHost host;
};

TEST_F(TilesTest, PercentilesSpellOutOnlyAChangedList) {
    auto tiles = Tiles();
    tiles.PercentileCheck = 1;
    tiles.ClevelandCheck = 0;
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x / N"}), Lines{L"CSTATISTICS x / N PTILE"});

    tiles.PercentileEdit = L"1 5 10 20 25 30 40 50 60 70 75 80 90 95  99";  // one more blank
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x / N"}),
              Lines{L"CSTATISTICS x / N PTILE = 1 5 10 20 25 30 40 50 60 70 75 80 90 95  99"});

    tiles.PercentileEdit = L"";
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x / N"}), Lines{L"CSTATISTICS x / N PTILE"});
}

TEST_F(TilesTest, ClausesGetASlashWhenTheStatisticsLineHasNone) {
    auto tiles = Tiles();
    tiles.PercentileCheck = 1;
    // With resampling on the statistics line is only the keyword and the variables.
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x y"}), Lines{L"CSTATISTICS x y/ PTILE METHOD = CLEVELAND"});
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x y /"}), Lines{L"CSTATISTICS x y / PTILE METHOD = CLEVELAND"});
}

TEST_F(TilesTest, NTilesTakeMethodsAndData) {
    auto tiles = Tiles();
    tiles.NTileCheck = 1;
    tiles.NTileEdit.SetUserValue(4);
    tiles.ValuesEdit = L"1.5 2";
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x /"}),
              Lines{L"CSTATISTICS x / NTILE = 4 METHOD = CLEVELAND DATA = [1.5 2]"});

    for (int* method :
         {&tiles.WeightedAvgOneCheck, &tiles.ClosestCheck, &tiles.EmpiricalCdfCheck,
          &tiles.WeightedAvgTwoCheck, &tiles.EmpiricalCdfAvgCheck, &tiles.WeightedAvgThreeCheck})
        *method = 1;
    tiles.ValuesEdit = L"";
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x /"}),
              Lines{L"CSTATISTICS x / NTILE = 4 METHOD = CLEVELAND WTDAVG1 CLOSEST EMPCDF WTDAVG2 "
                    L"EMPCDFAVG WTDAVG3"});

    tiles.AllOptionsCheck = 1;
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x /"}), Lines{L"CSTATISTICS x / NTILE = 4 METHOD = ALL"});

    // No method at all: no METHOD clause.
    CStatisticsTilesData none = Tiles();
    none.NTileCheck = 1;
    none.NTileEdit.SetUserValue(10);
    none.ClevelandCheck = 0;
    EXPECT_EQ(Joined(none, {L"CSTATISTICS x /"}), Lines{L"CSTATISTICS x / NTILE = 10"});
}

TEST_F(TilesTest, WithoutNTilesOrPercentilesOnlyTheClassificationIsAdded) {
    auto tiles = Tiles();
    tiles.AllOptionsCheck = 1;
    tiles.ValuesEdit = L"3";
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x /"}), Lines{L"CSTATISTICS x /"});

    tiles.SelectedVarList = Variables({L"g", L"h"});
    EXPECT_EQ(Joined(tiles, {L"CSTATISTICS x"}), Lines{L"CSTATISTICS x/ CLASSIFY = g h"});
    EXPECT_TRUE(host.assertions.empty());
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
    tiles.NTileCheck = 1;
    tiles.WeightedAvgThreeCheck = 1;

    ExpectedArchive expected;
    expected.Base().Text(u"10 90").Text(u"2");
    // NTile, Percentile, All, Cleveland, WtdAvg1, Closest, EmpCdf, WtdAvg2, EmpCdfAvg, WtdAvg3
    for (int v : {1, 0, 0, 1, 0, 0, 0, 0, 0, 1})
        expected.Int(v);
    expected.List({{u"x"}}).List({{u"g"}}).Holder(0, 1, 0, 5, 1);
    EXPECT_EQ(StoreOf(tiles), expected.bytes());

    CStatisticsTilesData loaded;
    CArchive in(expected.bytes());
    loaded.LoadFromArchive(in);
    EXPECT_EQ(StoreOf(loaded), expected.bytes());
}

TEST_F(TilesTest, SourceListFollowsTheVariant) {
    host.data.AddNumeric(L"x");
    host.data.AddString(L"s");
    for (UINT variant : {CStatisticsTilesData::kColumnTiles, CStatisticsTilesData::kRowTiles}) {
        auto tiles = Tiles(variant);
        tiles.FillListSource();
        EXPECT_EQ(tiles.ListOfVariablesList, Variables({L"x"}));
    }
    EXPECT_TRUE(host.assertions.empty());
}

class StemTest : public ::testing::Test {
protected:
    StemTest() {
        host.data.AddNumeric(L"x");
        host.data.AddString(L"label");
        host.data.AddNumeric(L"y");
    }
    FakeHost host;
};

TEST_F(StemTest, DefaultLinesLeaveOnlyTheKeywordAndTheVariables) {
    CStemPlotData stem;
    stem.SetDialogID(CStemPlotData::kColumnStem);
    stem.SelectedVariableList = Variables({L"x", L"y"});
    EXPECT_EQ(LinesOf(stem), Lines{L"CLSTEM x y"});
    // The untouched 0 is "let the kernel decide": not even the all-values switch writes it.
    host.allValues = true;
    EXPECT_EQ(LinesOf(stem), Lines{L"CLSTEM x y"});

    stem.StemLinesEdit.SetUserValue(7);
    EXPECT_EQ(LinesOf(stem), Lines{L"CLSTEM x y/ LINES=7"});
}

TEST_F(StemTest, RowStemUsesItsKeywordAndTheRowSourceList) {
    CStemPlotData stem;
    stem.SetDialogID(CStemPlotData::kRowStem);
    stem.FillListSource();
    EXPECT_EQ(stem.ListOfVariablesList, Variables({L"x", L"y"}));
    stem.SelectedVariableList = stem.ListOfVariablesList;
    EXPECT_EQ(LinesOf(stem), Lines{L"RWSTEM x y"});
    EXPECT_TRUE(host.assertions.empty());

    CStemPlotData unknown;
    EXPECT_EQ(LinesOf(unknown), Lines{L"CLSTEM "});
    unknown.FillListSource();
    EXPECT_EQ(host.assertions.size(), 2u);
}

TEST_F(StemTest, ArchiveBytesOfANonDefaultRecord) {
    CStemPlotData stem;
    stem.ListOfVariablesList = Variables({L"x", L"y"});
    stem.SelectedVariableList = Variables({L"y"});
    SetChanged(stem.StemLinesEdit, 12);
    ExpectedArchive expected;
    expected.Base().List({{u"x"}, {u"y"}}).List({{u"y"}}).Holder(0, 2, 0, 12, 1);
    EXPECT_EQ(StoreOf(stem), expected.bytes());

    CStemPlotData loaded;
    CArchive in(expected.bytes());
    loaded.LoadFromArchive(in);
    EXPECT_EQ(loaded.StemLinesEdit, stem.StemLinesEdit);
    EXPECT_EQ(loaded.SelectedVariableList, stem.SelectedVariableList);
}

}  // namespace
