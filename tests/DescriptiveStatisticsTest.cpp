// The statistics page record of column and row statistics.

#include <gtest/gtest.h>

#include "FakeHost.h"
#include "Private/StatisticsData.h"
#include "Private/StatisticsTabData.h"
#include "RecordTestUtil.h"

namespace {

using Lines = std::vector<std::wstring>;

class StatisticsDataTest : public ::testing::Test {
protected:
    StatisticsDataTest() {
        host.data.AddNumeric(L"x");
        host.data.AddString(L"name");
        host.data.AddNumeric(L"y");
        host.data.AddNumeric(L"z");
    }

    static CStatisticsData Record(UINT variant, std::initializer_list<const wchar_t*> selected) {
        CStatisticsData record;
        record.SetDialogID(variant);
        record.SelectedVariableList = Variables(selected);
        record.ListOfVariablesList = Variables({L"x", L"y", L"z"});
        return record;
    }
    static void ClearSingleStatistics(CStatisticsData& r) {
        r.NCheck = r.MinimumCheck = r.MaximumCheck = r.MeanCheck = r.SdCheck = 0;
    }

    FakeHost host;
};

TEST_F(StatisticsDataTest, ColumnDefaultsGiveOneLineWithTheDefaultStatistics) {
    const auto record = Record(CStatisticsData::kColumnStatistics, {L"x", L"y"});
    EXPECT_EQ(LinesOf(record), Lines{L"CSTATISTICS x y / N MIN MAX MEAN SD"});
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(StatisticsDataTest, RowStatisticsWriteSumAndNotSdUntilFirstConfirmed) {
    auto record = Record(CStatisticsData::kRowStatistics, {L"x"});
    record.ReassignDefaultValue();
    EXPECT_EQ(LinesOf(record), Lines{L"RSTATISTICS x / N MIN MAX SUM MEAN"});

    // The user accepts the page with SD and without sum; the next opening keeps that.
    record.SumCheck = 0;
    record.SdCheck = 1;
    record.SetConfirmed(1);
    record.ReassignDefaultValue();
    EXPECT_EQ(LinesOf(record), Lines{L"RSTATISTICS x / N MIN MAX MEAN SD"});

    // Column statistics keep their defaults, confirmed or not.
    auto column = Record(CStatisticsData::kColumnStatistics, {L"x"});
    column.ReassignDefaultValue();
    EXPECT_EQ(LinesOf(column), Lines{L"CSTATISTICS x / N MIN MAX MEAN SD"});
}

TEST_F(StatisticsDataTest, TheConfirmedFlagIsNeitherCopiedNorStored) {
    auto confirmed = Record(CStatisticsData::kRowStatistics, {L"x"});
    confirmed.SetConfirmed(1);
    confirmed.SumCheck = 0;
    confirmed.SdCheck = 1;

    CStatisticsData copy(confirmed);
    EXPECT_EQ(copy.IsConfirmed(), 0);
    copy.ReassignDefaultValue();
    EXPECT_EQ(copy.SumCheck, 1);

    CStatisticsData target = Record(CStatisticsData::kRowStatistics, {});
    target.SetConfirmed(1);
    target = copy;  // options come over, the target's own flag stays
    EXPECT_EQ(target.IsConfirmed(), 1);
    CStatisticsData unconfirmed;
    unconfirmed = confirmed;
    EXPECT_EQ(unconfirmed.IsConfirmed(), 0);

    CStatisticsData loaded;
    loaded.SetDialogID(CStatisticsData::kRowStatistics);
    CArchive in(StoreOf(confirmed));
    loaded.Serialize(in);
    EXPECT_EQ(loaded.SdCheck, 1);
    loaded.ReassignDefaultValue();
    EXPECT_EQ(loaded.SdCheck, 0);
}

TEST_F(StatisticsDataTest, SingleStatisticsComeInTheirFixedOrder) {
    auto r = Record(CStatisticsData::kColumnStatistics, {L"x", L"y"});
    for (int* check :
         {&r.SumCheck, &r.SemCheck, &r.CimCheck, &r.GmCheck, &r.HmCheck, &r.TrmeanCheck, &r.MedianCheck,
          &r.CvCheck, &r.RangeCheck, &r.VarianceCheck, &r.SkewnessCheck, &r.SesCheck, &r.KurtosisCheck,
          &r.SekCheck, &r.ShapiroWilkCheck, &r.AndersonDarlingCheck, &r.MultivariateMskewnessCheck,
          &r.MultivariateMkurtosisCheck, &r.MultivariateHztestCheck})
        *check = 1;
    r.CimEdit.SetUserValue(0.9);
    r.TrmeanEdit.SetUserValue(0.2);
    r.TrmeanCombo = 1;
    EXPECT_EQ(LinesOf(r),
              Lines{L"CSTATISTICS x y / N MIN MAX SUM MEAN SEM CONFI = 0.9 MEDIAN SD CV RANGE "
                    L"VARIANCE SKEWNESS SES KURTOSIS SEK GMEAN HMEAN TRMEAN = 0.2 TREGION = LOWER "
                    L"SWTEST ADTEST MSKEWNESS MKURTOSIS HZTEST"});
}

TEST_F(StatisticsDataTest, AllReplacesTheSingleStatisticsButNotTheTests) {
    auto r = Record(CStatisticsData::kColumnStatistics, {L"x", L"y"});
    r.AllOptionsCheck = 1;
    r.CimCheck = 1;
    r.CimEdit.SetUserValue(0.9);
    r.TrmeanCheck = 1;
    r.TrmeanEdit.SetUserValue(0.2);
    r.ShapiroWilkCheck = 1;
    r.AndersonDarlingCheck = 1;
    r.MultivariateMskewnessCheck = 1;
    r.MultivariateHztestCheck = 1;
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x y / ALL SWTEST ADTEST MSKEWNESS HZTEST"});
}

TEST_F(StatisticsDataTest, ResamplingOnLeavesOnlyTheKeywordAndTheVariables) {
    auto r = Record(CStatisticsData::kRowStatistics, {L"x", L"y"});
    r.BootStrapChecked = 1;
    r.AllOptionsCheck = 1;
    r.ShapiroWilkCheck = 1;
    EXPECT_EQ(LinesOf(r), Lines{L"RSTATISTICS x y"});
}

TEST_F(StatisticsDataTest, NoStatisticLeavesTheSlashAtTheEnd) {
    auto r = Record(CStatisticsData::kColumnStatistics, {L"x"});
    ClearSingleStatistics(r);
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x /"});
}

TEST_F(StatisticsDataTest, MultivariateKeywordsNeedTwoVariablesOrAWholeSource) {
    auto r = Record(CStatisticsData::kColumnStatistics, {L"x"});
    ClearSingleStatistics(r);
    r.MultivariateMskewnessCheck = r.MultivariateMkurtosisCheck = r.MultivariateHztestCheck = 1;
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x /"});

    r.SelectedVariableList = Variables({L"x", L"y"});
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x y / MSKEWNESS MKURTOSIS HZTEST"});

    // Nothing selected: the kernel takes the whole source, which one variable is enough for.
    r.SelectedVariableList.RemoveAll();
    r.ListOfVariablesList = Variables({L"x"});
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS  / MSKEWNESS MKURTOSIS HZTEST"});
    r.ListOfVariablesList.RemoveAll();
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS  /"});
}

TEST_F(StatisticsDataTest, ConfidenceValueIsWrittenWhenItDiffersFromTheDefault) {
    auto r = Record(CStatisticsData::kColumnStatistics, {L"x"});
    ClearSingleStatistics(r);
    host.allValues = true;  // compared with the default value, not by the value rule
    r.CimCheck = 1;
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / CONFI"});
    r.CimEdit.SetUserValue(0.99);
    host.decimal = L',';
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / CONFI = 0,99"});
    r.CimCheck = 0;
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x /"});
}

TEST_F(StatisticsDataTest, TrimmedMeanWritesAChangedProportionAndTheRegion) {
    auto r = Record(CStatisticsData::kColumnStatistics, {L"x"});
    ClearSingleStatistics(r);
    r.TrmeanCheck = 1;
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / TREGION = BOTH"});

    host.allValues = true;
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / TRMEAN = 0.1 TREGION = BOTH"});
    host.allValues = false;

    r.TrmeanEdit.SetUserValue(0.25);
    r.TrmeanCombo = 2;
    host.decimal = L',';
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / TRMEAN = 0,25 TREGION = UPPER"});

    r.TrmeanCombo = -1;
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / TRMEAN = 0,25"});
}

TEST_F(StatisticsDataTest, SaveLineComesFirstWithTheLayoutOfTheSaveItem) {
    auto r = Record(CStatisticsData::kColumnStatistics, {L"x"});
    r.SaveFileEdit = L"stats.tvz";
    EXPECT_EQ(LinesOf(r).size(), 1u);  // save check off

    r.SaveFileCheck = 1;
    EXPECT_EQ(LinesOf(r), (Lines{L"SAVE \"stats.tvz\" S", L"CSTATISTICS x / N MIN MAX MEAN SD"}));
    r.SaveFileCombo = 1;
    EXPECT_EQ(LinesOf(r).front(), L"SAVE VARIABLES \"stats.tvz\" S");
    r.SaveFileCombo = 2;
    EXPECT_EQ(LinesOf(r).front(), L"SAVE AG \"stats.tvz\" S");
    EXPECT_TRUE(host.assertions.empty());

    r.SaveFileCombo = -1;
    EXPECT_EQ(LinesOf(r).front(), L"SAVE \"stats.tvz\" S");
    EXPECT_EQ(host.assertions.size(), 1u);
}

TEST_F(StatisticsDataTest, AnUnknownVariantIsReportedAndTreatedAsColumnStatistics) {
    auto r = Record(0, {L"x"});
    EXPECT_EQ(LinesOf(r), Lines{L"CSTATISTICS x / N MIN MAX MEAN SD"});
    ASSERT_EQ(host.assertions.size(), 1u);
    EXPECT_EQ(host.assertions[0].file, L"StatisticsData.cpp");

    // Without a variant there is no source to ask for.
    r.FillListSource();
    EXPECT_EQ(host.assertions.size(), 2u);
    EXPECT_TRUE(r.ListOfVariablesList.IsEmpty());
}

TEST_F(StatisticsDataTest, SourceListIsTheDataNumericVariables) {
    for (UINT variant : {CStatisticsData::kColumnStatistics, CStatisticsData::kRowStatistics}) {
        CStatisticsData r;
        r.SetDialogID(variant);
        r.ListOfVariablesList = Variables({L"gone"});
        r.FillListSource();
        EXPECT_EQ(r.ListOfVariablesList, Variables({L"x", L"y", L"z"}));
        EXPECT_TRUE(r.SelectedVariableList.IsEmpty());
    }
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(StatisticsDataTest, ArchiveBytesOfANonDefaultRecord) {
    CStatisticsData r;
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
    EXPECT_EQ(StoreOf(r), expected.bytes());
}

TEST_F(StatisticsDataTest, ReloadingRestoresEverythingButTheTrimmingProportion) {
    CStatisticsData stored;
    stored.SelectedVariableList = Variables({L"y"});
    stored.TrmeanEdit.SetUserValue(0.3);
    stored.CimEdit.SetUserValue(0.8);
    stored.KurtosisCheck = 1;
    stored.SaveFileEdit = L"s.tvz";

    CStatisticsData loaded;
    loaded.TrmeanEdit.SetUserValue(0.2);
    CArchive in(StoreOf(stored));
    loaded.LoadFromArchive(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.TrmeanEdit.GetValue(), 0.2);
    EXPECT_EQ(loaded.CimEdit, stored.CimEdit);
    EXPECT_EQ(loaded.KurtosisCheck, 1);
    EXPECT_EQ(loaded.SaveFileEdit, L"s.tvz");
    EXPECT_EQ(loaded.SelectedVariableList, stored.SelectedVariableList);
}

TEST_F(StatisticsDataTest, GetAllAndSetAllMoveEveryOptionInDeclaredOrder) {
    CStatisticsData source;
    source.SelectedVariableList = Variables({L"y"});
    source.TrmeanEdit.SetUserValue(0.4);
    source.SumCheck = 1;
    source.SekCheck = 1;
    source.TrmeanCombo = 2;
    source.SaveFileEdit = L"f";
    source.BootStrapChecked = 1;

    CVariableList list, selected;
    CGUIData<double> cim, trmean;
    int v[30];
    CString file;
    source.GetAll(list, selected, cim, trmean, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                  v[10], v[11], v[12], v[13], v[14], v[15], v[16], v[17], v[18], v[19], v[20], v[21], v[22],
                  v[23], v[24], v[25], v[26], v[27], file, v[28]);
    EXPECT_EQ(v[4], 1);   // sum
    EXPECT_EQ(v[24], 1);  // SEK
    EXPECT_EQ(v[27], 2);  // trimming region

    CStatisticsData target;
    target.SetAll(list, selected, cim, trmean, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                  v[10], v[11], v[12], v[13], v[14], v[15], v[16], v[17], v[18], v[19], v[20], v[21], v[22],
                  v[23], v[24], v[25], v[26], v[27], file, v[28]);
    EXPECT_EQ(StoreOf(target), StoreOf(source));
    EXPECT_EQ(target.TrmeanEdit, source.TrmeanEdit);
}

TEST_F(StatisticsDataTest, TheResamplingPageIsReadFromTheSisterRecord) {
    CStatisticsTabData tab;
    auto& page = tab.Page<CStatisticsData>();
    tab.Page<CBootStrapData>().BootStrapCheck = 1;
    EXPECT_TRUE(page.ReadResamplingPage());
    EXPECT_EQ(page.BootStrapChecked, 1);
    tab.Page<CBootStrapData>().BootStrapCheck = 0;
    EXPECT_TRUE(page.ReadResamplingPage());
    EXPECT_EQ(page.BootStrapChecked, 0);

    CStatisticsData alone;
    alone.BootStrapChecked = 1;
    EXPECT_FALSE(alone.ReadResamplingPage());
    EXPECT_EQ(alone.BootStrapChecked, 1);
}

}  // namespace
