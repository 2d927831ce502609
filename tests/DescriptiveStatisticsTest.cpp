// The statistics page record of column and row statistics.

#include <gtest/gtest.h>

#include "FakeHost.h"
#include "Private/StatisticsData.h"
#include "Private/StatisticsTabData.h"
#include "RecordTestUtil.h"

namespace {

using Lines = std::vector<std::wstring>;
using Stats = CStatisticsData;

class StatisticsDataTest : public ::testing::Test {
protected:
    StatisticsDataTest() {
        host.data.AddNumeric(L"x");
        host.data.AddString(L"name");
        host.data.AddNumeric(L"y");
        host.data.AddNumeric(L"z");
    }

    static Stats Record(UINT variant, std::initializer_list<const wchar_t*> selected) {
        Stats record;
        record.SetVariantID(variant);
        record.SelectedVariableList = Variables(selected);
        record.ListOfVariablesList = Variables({L"x", L"y", L"z"});
        return record;
    }

    FakeHost host;
};

TEST_F(StatisticsDataTest, RowStatisticsWriteSumAndNotSdUntilFirstConfirmed) {
    auto column = Record(Stats::kColumnStatistics, {L"x", L"y"});
    column.ReassignDefaultValue();
    EXPECT_EQ(LinesOf(column), Lines{L"CSTATISTICS x y / N MIN MAX MEAN SD"});

    auto record = Record(Stats::kRowStatistics, {L"x"});
    record.ReassignDefaultValue();
    EXPECT_EQ(LinesOf(record), Lines{L"RSTATISTICS x / N MIN MAX SUM MEAN"});
    // The user accepts the page with SD and without sum; the next opening keeps that.
    record.SumCheck = 0;
    record.SdCheck = 1;
    record.SetConfirmed(1);
    record.ReassignDefaultValue();
    EXPECT_EQ(LinesOf(record), Lines{L"RSTATISTICS x / N MIN MAX MEAN SD"});
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(StatisticsDataTest, TheConfirmedFlagIsNeitherCopiedNorStored) {
    auto confirmed = Record(Stats::kRowStatistics, {L"x"});
    confirmed.SetConfirmed(1);
    confirmed.SumCheck = 0;
    confirmed.SdCheck = 1;

    Stats copy(confirmed);
    EXPECT_EQ(copy.IsConfirmed(), 0);
    copy.ReassignDefaultValue();
    EXPECT_EQ(copy.SumCheck, 1);

    Stats target = Record(Stats::kRowStatistics, {});
    target.SetConfirmed(1);
    target = copy;  // options come over, the target's own flag stays
    EXPECT_EQ(target.IsConfirmed(), 1);
    Stats unconfirmed;
    unconfirmed = confirmed;
    EXPECT_EQ(unconfirmed.IsConfirmed(), 0);

    Stats loaded;
    loaded.SetVariantID(Stats::kRowStatistics);
    CArchive in(Store(confirmed));
    loaded.Serialize(in);
    EXPECT_EQ(loaded.SdCheck, 1);
    loaded.ReassignDefaultValue();
    EXPECT_EQ(loaded.SdCheck, 0);
}

// All checks write their keywords in the line's fixed order (the table's); each box alone is the
// StatisticsKeywords dialog test's.
TEST_F(StatisticsDataTest, EveryCheckWritesItsKeywordInTheLinesOrder) {
    const std::pair<int Stats::*, const wchar_t*> keywords[] = {
        {&Stats::NCheck, L"N"},
        {&Stats::MinimumCheck, L"MIN"},
        {&Stats::MaximumCheck, L"MAX"},
        {&Stats::SumCheck, L"SUM"},
        {&Stats::MeanCheck, L"MEAN"},
        {&Stats::SemCheck, L"SEM"},
        {&Stats::CimCheck, L"CONFI"},
        {&Stats::MedianCheck, L"MEDIAN"},
        {&Stats::SdCheck, L"SD"},
        {&Stats::CvCheck, L"CV"},
        {&Stats::RangeCheck, L"RANGE"},
        {&Stats::VarianceCheck, L"VARIANCE"},
        {&Stats::SkewnessCheck, L"SKEWNESS"},
        {&Stats::SesCheck, L"SES"},
        {&Stats::KurtosisCheck, L"KURTOSIS"},
        {&Stats::SekCheck, L"SEK"},
        {&Stats::GmCheck, L"GMEAN"},
        {&Stats::HmCheck, L"HMEAN"},
        {&Stats::TrmeanCheck, L"TREGION = BOTH"},
        {&Stats::ShapiroWilkCheck, L"SWTEST"},
        {&Stats::AndersonDarlingCheck, L"ADTEST"},
        {&Stats::MultivariateMskewnessCheck, L"MSKEWNESS"},
        {&Stats::MultivariateMkurtosisCheck, L"MKURTOSIS"},
        {&Stats::MultivariateHztestCheck, L"HZTEST"}};
    auto all = Record(Stats::kColumnStatistics, {L"x", L"y"});
    std::wstring allLine = L"CSTATISTICS x y /";
    for (const auto& [check, keyword] : keywords) {
        all.*check = 1;
        allLine += L" " + std::wstring(keyword);
    }
    EXPECT_EQ(LinesOf(all), Lines{allLine});
}

TEST_F(StatisticsDataTest, AllResamplingAndMultivariateClauses) {
    using Names = std::vector<const wchar_t*>;
    const struct {
        int all;  // also checks the confidence, a single statistic ALL covers
        int resampling;
        Names selected;
        Names source;
        const wchar_t* line;
    } cases[] = {
        {0, 0, {L"x", L"y"}, {L"x"}, L"CSTATISTICS x y / SWTEST HZTEST"},
        {1, 0, {L"x", L"y"}, {L"x"}, L"CSTATISTICS x y / ALL SWTEST HZTEST"},
        {1, 1, {L"x", L"y"}, {L"x"}, L"CSTATISTICS x y"},
        // Multivariate tests need two variables, or none selected from a source of any size.
        {0, 0, {L"x"}, {L"x", L"y"}, L"CSTATISTICS x / SWTEST"},
        {0, 0, {}, {L"x"}, L"CSTATISTICS  / SWTEST HZTEST"},
        {0, 0, {}, {}, L"CSTATISTICS  / SWTEST"},
    };
    for (const auto& c : cases) {
        auto r = Record(Stats::kColumnStatistics, {});
        r.NCheck = r.MinimumCheck = r.MaximumCheck = r.MeanCheck = r.SdCheck = 0;
        r.ShapiroWilkCheck = r.MultivariateHztestCheck = 1;
        r.AllOptionsCheck = r.CimCheck = c.all;
        r.BootStrapChecked = c.resampling;
        for (const wchar_t* name : c.selected)
            r.SelectedVariableList.Add(Numeric(name));
        r.ListOfVariablesList.RemoveAll();
        for (const wchar_t* name : c.source)
            r.ListOfVariablesList.Add(Numeric(name));
        EXPECT_EQ(LinesOf(r), Lines{c.line});
    }
}

TEST_F(StatisticsDataTest, ConfidenceAndTrimmingValues) {
    // A value of 0 leaves the holder untouched.
    const struct {
        int cim;
        double cimValue;
        int trmean;
        double trmeanValue;
        int region;
        bool allValues;
        wchar_t decimal;
        const wchar_t* clauses;
    } cases[] = {
        // The confidence is compared with its default, not by the value rule.
        {1, 0, 0, 0, 0, true, L'.', L" CONFI"},
        {1, 0.99, 0, 0, 0, false, L',', L" CONFI = 0,99"},
        {0, 0.99, 0, 0, 0, false, L'.', L""},
        // The trimming proportion follows the value rule.
        {0, 0, 1, 0, 0, false, L'.', L" TREGION = BOTH"},
        {0, 0, 1, 0, 0, true, L'.', L" TRMEAN = 0.1 TREGION = BOTH"},
        {0, 0, 1, 0.25, 2, false, L',', L" TRMEAN = 0,25 TREGION = UPPER"},
        {0, 0, 1, 0.25, -1, false, L'.', L" TRMEAN = 0.25"},
    };
    for (const auto& c : cases) {
        auto r = Record(Stats::kColumnStatistics, {L"x"});
        r.NCheck = r.MinimumCheck = r.MaximumCheck = r.MeanCheck = r.SdCheck = 0;
        r.CimCheck = c.cim;
        if (c.cimValue != 0)
            r.CimEdit.SetUserValue(c.cimValue);
        r.TrmeanCheck = c.trmean;
        if (c.trmeanValue != 0)
            r.TrmeanEdit.SetUserValue(c.trmeanValue);
        r.TrmeanCombo = c.region;
        host.allValues = c.allValues;
        host.decimal = c.decimal;
        EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x /" + std::wstring(c.clauses)}) << c.clauses;
    }
}

TEST_F(StatisticsDataTest, SaveLineComesFirstWithTheLayoutOfTheSaveItem) {
    auto r = Record(Stats::kColumnStatistics, {L"x"});
    r.SaveFileEdit = L"stats.tvz";
    EXPECT_EQ(LinesOf(r).size(), 1u);  // save check off

    r.SaveFileCheck = 1;
    EXPECT_EQ(LinesOf(r), (Lines{L"SAVE \"stats.tvz\" S", L"CSTATISTICS x / N MIN MAX MEAN SD"}));
    for (const auto& [combo, line] :
         {std::pair{1, L"SAVE VARIABLES \"stats.tvz\" S"}, std::pair{2, L"SAVE AG \"stats.tvz\" S"}}) {
        r.SaveFileCombo = combo;
        EXPECT_EQ(LinesOf(r).front(), line);
    }
    EXPECT_TRUE(host.assertions.empty());

    r.SaveFileCombo = -1;
    EXPECT_EQ(LinesOf(r).front(), L"SAVE \"stats.tvz\" S");
    EXPECT_EQ(host.assertions.size(), 1u);
}

TEST_F(StatisticsDataTest, SourceListIsTheDataNumericVariablesAndNeedsAVariant) {
    for (UINT variant : {Stats::kColumnStatistics, Stats::kRowStatistics}) {
        Stats r;
        r.SetVariantID(variant);
        r.ListOfVariablesList = Variables({L"gone"});
        r.FillListSource();
        EXPECT_EQ(r.ListOfVariablesList, Variables({L"x", L"y", L"z"}));
        EXPECT_TRUE(r.SelectedVariableList.IsEmpty());
    }
    EXPECT_TRUE(host.assertions.empty());

    // An unknown variant is reported, written as column statistics and has no source to ask for.
    auto r = Record(0, {L"x"});
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / N MIN MAX MEAN SD"});
    ASSERT_EQ(host.assertions.size(), 1u);
    EXPECT_EQ(host.assertions[0].file, L"StatisticsData.cpp");
    r.ListOfVariablesList.RemoveAll();
    r.FillListSource();
    EXPECT_EQ(host.assertions.size(), 2u);
    EXPECT_TRUE(r.ListOfVariablesList.IsEmpty());
}

TEST_F(StatisticsDataTest, ArchiveBytesOfANonDefaultRecordWithoutTheTrimmingProportion) {
    Stats r;
    r.ListOfVariablesList = Variables({L"a", L"b"});
    r.SelectedVariableList = Variables({L"b"});
    SetChanged(r.CimEdit, 0.9);
    SetChanged(r.TrmeanEdit, 0.3);
    r.AllOptionsCheck = 1;
    r.NCheck = 0;
    r.SemCheck = 1;
    r.SekCheck = 1;
    r.SaveFileCheck = 1;
    r.SaveFileCombo = 2;
    r.TrmeanCombo = 1;
    r.SaveFileEdit = L"out";
    r.BootStrapChecked = 1;

    ExpectedArchive expected;
    expected.Base();
    // AllOptions, N, Min, Max, Sum, SW, AD, MSkew, MKurt, HZ, Mean, SEM, CI, GM, HM, Trmean, Median, SD,
    // CV, Range, Variance, Skewness, SES, Kurtosis, SEK, Save
    for (int v : {1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 1})
        expected.Int(v);
    expected.Int(1).Int(2);  // TrmeanCombo before SaveFileCombo
    expected.Text(u"out").Int(1).List({{u"a"}, {u"b"}}).List({{u"b"}}).Holder(0, 0, 0.95, 0.9, 1);
    EXPECT_EQ(Store(r), expected.bytes());

    // Read back, the record keeps its own trimming proportion.
    Stats loaded;
    loaded.TrmeanEdit.SetUserValue(0.2);
    CArchive in(expected.bytes());
    loaded.LoadFromArchive(in);
    EXPECT_EQ(loaded.TrmeanEdit.GetValue(), 0.2);
    EXPECT_EQ(Store(loaded), expected.bytes());
}

TEST_F(StatisticsDataTest, TheResamplingPageIsReadFromTheSisterRecord) {
    CStatisticsTabData tab;
    auto& page = tab.Page<Stats>();
    for (int on : {1, 0}) {
        tab.Page<CBootStrapData>().BootStrapCheck = on;
        EXPECT_TRUE(page.ReadResamplingPage());
        EXPECT_EQ(page.BootStrapChecked, on);
    }
    Stats alone;
    alone.BootStrapChecked = 1;
    EXPECT_FALSE(alone.ReadResamplingPage());
    EXPECT_EQ(alone.BootStrapChecked, 1);
}

}  // namespace
