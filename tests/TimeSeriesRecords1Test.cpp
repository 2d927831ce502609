// Lines and data-dependent defaults of the ARIMA, exponential smoothing, seasonal adjustment and
// series smoothing records; the source list every single-series record shares.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <string>
#include <vector>

#include "FakeHost.h"
#include "Private/AcfData.h"
#include "Private/ArimaData.h"
#include "Private/ExponentialData.h"
#include "Private/FourierData.h"
#include "Private/LowessData.h"
#include "Private/SeasonalData.h"
#include "Private/SeriesSmoothData.h"
#include "Private/TransformData.h"

namespace {

using LineList = std::vector<std::wstring>;

// The procedure's own line (after the module line and any save line).
std::wstring LastLine(const CGUIBaseObj& record) {
    const LineList lines = LinesOf(record);
    return lines.empty() ? std::wstring() : lines.back();
}

template <class Record>
Record WithSeries(std::initializer_list<const wchar_t*> names) {
    Record record;
    for (const wchar_t* name : names)
        record.SelectedVariableList.Add(CGUIDataVariable(name, kVariableTypeNumeric));
    return record;
}

template <class T>
CGUIData<T> Typed(CGUIData<T> holder, T value) {
    holder.SetUserValue(value);
    return holder;
}

// ---- ARIMA lines --------------------------------------------------------------------------------

TEST(ArimaDataLines, DefaultsGiveTheFirstOrderAloneAndAllValuesAddTheEstimationClauses) {
    FakeHost host;
    CArimaData record = WithSeries<CArimaData>({L"y"});
    EXPECT_EQ(LinesOf(record), (LineList{L"SERIES", L"ARIMA y / P=1"}));
    host.allValues = true;
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 ITER=20 CONV=0.01 BACKCAST=0");
    // The marked orders stay out even then, checked or not.
    record.SeasonalArCheck = record.MaCheck = record.SeasonalMaCheck = 1;
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 ITER=20 CONV=0.01 BACKCAST=0");
}

TEST(ArimaDataLines, WithoutAnyClauseTheTrailingSlashGoes) {
    FakeHost host;
    CArimaData record = WithSeries<CArimaData>({L"y", L"z"});
    record.ArParametersCheck = 0;
    record.ArParametersEdit = Typed(record.ArParametersEdit, 3);
    EXPECT_EQ(LastLine(record), L"ARIMA y z ");
}

TEST(ArimaDataLines, OrdersNeedTheirCheckAndAValueOtherThanZero) {
    FakeHost host;
    CArimaData record = WithSeries<CArimaData>({L"y"});
    record.SeasonalArEdit = Typed(record.SeasonalArEdit, 2);
    record.MaEdit = Typed(record.MaEdit, 0);
    record.SeasonalMaEdit = Typed(record.SeasonalMaEdit, 1);
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1");
    record.SeasonalArCheck = record.MaCheck = record.SeasonalMaCheck = 1;
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 PS=2 QS=1");
    record.MaEdit = Typed(record.MaEdit, 3);
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 PS=2 Q=3 QS=1");
    // The first order is written whenever its check is set, whatever its marks.
    record.ArParametersEdit.SetSecond(1);
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 PS=2 Q=3 QS=1");
}

TEST(ArimaDataLines, SeasonClauseNeedsASeasonalOrderAndACleanLastFlag) {
    FakeHost host;
    CArimaData record = WithSeries<CArimaData>({L"y"});
    record.SeasonalPerEdit = Typed(CGUIData<int>(1), 4);
    record.SeasonalPerEdit.SetLast(0);
    record.SeasonalPerCheck = 1;
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1");

    record.SeasonalArCheck = 1;
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 SEASON=4");
    record.SeasonalArCheck = 0;
    record.SeasonalMaCheck = 1;
    record.SeasonalMaEdit = Typed(record.SeasonalMaEdit, 1);
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 QS=1 SEASON=4");

    record.SeasonalPerEdit.SetLast(1);
    EXPECT_EQ(LastLine(record), L"ARIMA y / P=1 QS=1");
}

TEST(ArimaDataLines, ForecastByNumberOrByRange) {
    FakeHost host;
    CArimaData record = WithSeries<CArimaData>({L"y"});
    record.ArParametersCheck = 0;
    record.ForeCastNoEdit = Typed(record.ForeCastNoEdit, 5);
    record.ForeCastFromEdit = Typed(record.ForeCastFromEdit, 10);
    record.ForeCastToEdit = Typed(record.ForeCastToEdit, 15);
    EXPECT_EQ(LastLine(record), L"ARIMA y ");

    record.ForeCastCheck = 1;
    EXPECT_EQ(LastLine(record), L"ARIMA y / FORECAST=5");
    record.ForeCastNoRadio = 1;
    EXPECT_EQ(LastLine(record), L"ARIMA y / FORECAST=10..15");
    // A radio index the group does not have asks for no forecast clause.
    record.ForeCastNoRadio = 2;
    EXPECT_EQ(LastLine(record), L"ARIMA y ");
    // Untouched forecast values of 0 are left out.
    record.ForeCastNoRadio = 0;
    record.ForeCastNoEdit = CArimaData::GetDefaultForeCastNoEdit();
    EXPECT_EQ(LastLine(record), L"ARIMA y ");
}

TEST(ArimaDataLines, EveryClauseInItsPlace) {
    FakeHost host;
    CArimaData record = WithSeries<CArimaData>({L"sales", L"cost"});
    record.ArParametersEdit = Typed(record.ArParametersEdit, 2);
    record.SeasonalArCheck = record.MaCheck = record.SeasonalMaCheck = 1;
    record.SeasonalArEdit = Typed(record.SeasonalArEdit, 1);
    record.MaEdit = Typed(record.MaEdit, 1);
    record.SeasonalMaEdit = Typed(record.SeasonalMaEdit, 1);
    record.SeasonalPerEdit = Typed(CGUIData<int>(12), 4);
    record.SeasonalPerEdit.SetLast(0);
    record.IterationsEdit = Typed(record.IterationsEdit, 50);
    record.ToleranceEdit = Typed(record.ToleranceEdit, 0.001);
    record.BackCastEdit = Typed(record.BackCastEdit, 3);
    record.ForeCastCheck = 1;
    record.ForeCastNoRadio = 1;
    record.ForeCastFromEdit = Typed(record.ForeCastFromEdit, 10);
    record.ForeCastToEdit = Typed(record.ForeCastToEdit, 15);
    record.EstimateConstCheck = 1;
    record.SaveFileCheck = 1;
    record.SaveFileEdit = L"fit.tvz";
    EXPECT_EQ(LinesOf(record), (LineList{L"SERIES", L"SAVE \"fit.tvz\"",
                                         L"ARIMA sales cost / P=2 PS=1 Q=1 QS=1 SEASON=4 ITER=50 CONV=0.001 "
                                         L"BACKCAST=3 FORECAST=10..15 CONSTANT"}));
    host.decimal = L',';
    EXPECT_NE(LastLine(record).find(L" CONV=0,001 "), std::wstring::npos);
}

// ---- the season length, recomputed before each opening ------------------------------------------

TEST(ArimaDataDefaults, EveryOpeningStartsFromTheSeriesModulePeriod) {
    FakeHost host;
    host.series.season = 4;
    CArimaData record;
    record.SeasonalPerEdit = Typed(record.SeasonalPerEdit, 7);
    record.SeasonalPerEdit.SetLast(0);
    record.SeasonalPerEdit.SetSecond(2);
    record.ReassignDefaultValue();
    EXPECT_EQ(record.SeasonalPerEdit, CGUIData<int>(4));

    // ARIMA takes a period of 1 as it is and knows no cap.
    host.series.season = 1;
    host.data.cases = 6;
    record.ReassignDefaultValue();
    EXPECT_EQ(record.SeasonalPerEdit, CGUIData<int>(1));
    host.series.season = 24;
    record.ReassignDefaultValue();
    EXPECT_EQ(record.SeasonalPerEdit, CGUIData<int>(24));

    host.hasSeries = false;
    record.SeasonalPerEdit = Typed(record.SeasonalPerEdit, 7);
    record.ReassignDefaultValue();
    EXPECT_EQ(record.SeasonalPerEdit, CGUIData<int>(1));
}

TEST(ArimaDataDefaults, SetEditAttributeMarksExactlyTheSixOptionalValues) {
    CArimaData record;
    CGUIData<int>* const all[] = {&record.ArParametersEdit, &record.SeasonalArEdit,  &record.MaEdit,
                                  &record.SeasonalMaEdit,   &record.SeasonalPerEdit, &record.IterationsEdit,
                                  &record.BackCastEdit,     &record.ForeCastNoEdit,  &record.ForeCastFromEdit,
                                  &record.ForeCastToEdit};
    for (CGUIData<int>* h : all)
        h->SetSecond(0);
    record.SetEditAttribute();
    const std::vector<int> seconds{0, 1, 1, 1, 0, 0, 0, 1, 1, 1};
    for (std::size_t i = 0; i < seconds.size(); ++i)
        EXPECT_EQ(all[i]->GetSecond(), seconds[i]) << "holder " << i;
    EXPECT_EQ(record.ToleranceEdit.GetSecond(), 0);
}

struct SeasonCase {
    const char* name;
    bool hasSeries;
    int reported;
    int cases;
    int value;
    int defaultValue;
    int defaultMark;
};

class SeasonLengthDefault : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(SeasonLengthDefault, FromTheSeriesModuleWithOneMeaningTwelveCappedAtAThirdOfTheRows) {
    const auto& c = GetParam();
    FakeHost host;
    host.hasSeries = c.hasSeries;
    host.series.season = c.reported;
    host.data.cases = c.cases;
    const CGUIData<int> season = CSeasonalData::GetReassignedDefaultSeasonEdit();
    EXPECT_EQ(season.GetValue(), c.value);
    EXPECT_EQ(season.GetDefaultValue(), c.defaultValue);
    EXPECT_EQ(season.GetDefault(), c.defaultMark);
    EXPECT_EQ(season.GetSecond(), 0);
    EXPECT_EQ(season.GetLast(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Seasons, SeasonLengthDefault,
    ::testing::Values(SeasonCase{"NoSeriesModule", false, 0, 100, 12, 12, 1},
                      SeasonCase{"NoSeriesModuleCapped", false, 0, 30, 10, 12, 0},
                      SeasonCase{"NoSeriesModuleCapEqualsTwelve", false, 0, 36, 12, 12, 1},
                      SeasonCase{"NoSeriesModuleCapTruncated", false, 0, 38, 12, 12, 1},
                      SeasonCase{"Reported", true, 4, 100, 4, 4, 1},
                      SeasonCase{"ReportedAtTheCap", true, 10, 30, 10, 10, 1},
                      SeasonCase{"ReportedOverTheCap", true, 12, 35, 11, 12, 0},
                      SeasonCase{"ReportedOneBecomesTwelve", true, 1, 100, 12, 1, 0},
                      SeasonCase{"ReportedOneCappedAtTen", true, 1, 30, 10, 1, 0},
                      // The cap lands back on the reported 1: the value is the default again.
                      SeasonCase{"ReportedOneCappedAtOne", true, 1, 5, 1, 1, 1},
                      SeasonCase{"NoRows", true, 4, 0, 0, 4, 0}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(SeasonalDataDefaults, ReopeningReplacesATypedSeasonLength) {
    FakeHost host;
    host.series.season = 1;
    host.data.cases = 30;
    CSeasonalData seasonal;
    seasonal.SeasonEdit = Typed(seasonal.SeasonEdit, 5);
    seasonal.ReassignDefaultValue();
    EXPECT_EQ(seasonal.SeasonEdit, CSeasonalData::GetReassignedDefaultSeasonEdit());
    EXPECT_EQ(seasonal.SeasonEdit.GetValue(), 10);

    CExponentialData exponential;
    exponential.SeasonPeriodEdit = Typed(exponential.SeasonPeriodEdit, 5);
    exponential.ReassignDefaultValue();
    EXPECT_EQ(exponential.SeasonPeriodEdit, CSeasonalData::GetReassignedDefaultSeasonEdit());
}

// ---- exponential smoothing lines ----------------------------------------------------------------

TEST(ExponentialDataLines, SmoothingWeightAlwaysFollowsTheSignDirectly) {
    FakeHost host;
    CExponentialData record = WithSeries<CExponentialData>({L"a", L"b"});
    EXPECT_EQ(LinesOf(record), (LineList{L"SERIES", L"EXPONENTIAL a b / SMOOTH =0.1"}));
    record.SmoothEdit = Typed(record.SmoothEdit, 0.123456789);
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a b / SMOOTH =0.123457");
    host.decimal = L',';
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a b / SMOOTH =0,123457");
}

TEST(ExponentialDataLines, TrendAndSeasonalComponentsByTheirRadios) {
    FakeHost host;
    CExponentialData record = WithSeries<CExponentialData>({L"a"});
    record.TrendLinearEdit = Typed(record.TrendLinearEdit, 0.3);
    record.PercentEdit = Typed(record.PercentEdit, 0.2);
    record.SeasonAddEdit = Typed(record.SeasonAddEdit, 0.4);
    record.SeasonMultiEdit = Typed(record.SeasonMultiEdit, 0.5);
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / SMOOTH =0.1");

    record.TrendCheck = 1;
    record.SeasonCompCheck = 1;
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / LINEAR = 0.3 ADDITIVE = 0.4 SMOOTH =0.1");
    record.TrendLinearRadio = 1;
    record.SeasonaddRadio = 1;
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / PERCENTAGE = 0.2 MULTIPLICATIVE = 0.5 SMOOTH =0.1");

    // Weights the user never typed are left to the kernel, all-values switch or not.
    host.allValues = true;
    CExponentialData untouched = WithSeries<CExponentialData>({L"a"});
    untouched.TrendCheck = untouched.SeasonCompCheck = 1;
    EXPECT_EQ(LastLine(untouched), L"EXPONENTIAL a / SMOOTH =0.1");
}

TEST(ExponentialDataLines, ForecastByNumberOrByRange) {
    FakeHost host;
    CExponentialData record = WithSeries<CExponentialData>({L"a"});
    record.ForecastCheck = 1;
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / SMOOTH =0.1");
    record.NumberEdit = Typed(record.NumberEdit, 6);
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / FORECAST=6 SMOOTH =0.1");

    record.NumberRadio = 1;
    record.ForecastFromEdit = Typed(record.ForecastFromEdit, 3);
    record.ForecastToEdit = Typed(record.ForecastToEdit, 9);
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / FORECAST = 3..9 SMOOTH =0.1");

    // The number of forecasts has no second mark: the all-values switch writes it.
    host.allValues = true;
    CExponentialData defaults = WithSeries<CExponentialData>({L"a"});
    defaults.ForecastCheck = 1;
    EXPECT_EQ(LastLine(defaults), L"EXPONENTIAL a / FORECAST=1 SMOOTH =0.1");
    defaults.NumberRadio = 1;
    EXPECT_EQ(LastLine(defaults), L"EXPONENTIAL a / SMOOTH =0.1");
}

TEST(ExponentialDataLines, SeasonPeriodUnderItsCheckWhenChanged) {
    FakeHost host;
    host.data.cases = 30;
    CExponentialData record = WithSeries<CExponentialData>({L"a"});
    record.ReassignDefaultValue();
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / SMOOTH =0.1");
    record.SeasonPeriodCheck = 1;
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / SEASON = 10 SMOOTH =0.1");

    host.data.cases = 100;
    record.ReassignDefaultValue();
    EXPECT_EQ(LastLine(record), L"EXPONENTIAL a / SMOOTH =0.1");
}

// ---- seasonal adjustment lines ------------------------------------------------------------------

TEST(SeasonalDataLines, TermOnlyWithItsCheck) {
    FakeHost host;
    CSeasonalData record = WithSeries<CSeasonalData>({L"q"});
    EXPECT_EQ(LinesOf(record), (LineList{L"SERIES", L"ADJSEASON q "}));
    record.AdditiveRadio = 0;
    EXPECT_EQ(LastLine(record), L"ADJSEASON q ");
    record.TermCheck = 1;
    EXPECT_EQ(LastLine(record), L"ADJSEASON q / ADDITIVE");
    record.AdditiveRadio = 1;
    EXPECT_EQ(LastLine(record), L"ADJSEASON q / MULTIPLICATIVE");
    record.AdditiveRadio = 2;
    EXPECT_EQ(LastLine(record), L"ADJSEASON q ");
}

TEST(SeasonalDataLines, SeasonLengthByTheValueRule) {
    FakeHost host;
    CSeasonalData record = WithSeries<CSeasonalData>({L"q", L"r"});
    record.TermCheck = 1;
    record.SeasonEdit = Typed(record.SeasonEdit, 4);
    EXPECT_EQ(LastLine(record), L"ADJSEASON q r / MULTIPLICATIVE SEASON = 4");

    record.SeasonEdit = CSeasonalData::GetDefaultSeasonEdit();
    host.allValues = true;
    EXPECT_EQ(LastLine(record), L"ADJSEASON q r / MULTIPLICATIVE SEASON = 12");

    host.allValues = false;
    record.SaveFileCheck = 1;
    record.SaveFileEdit = L"adj.tvz";
    EXPECT_EQ(LinesOf(record), (LineList{L"SERIES", L"SAVE \"adj.tvz\"", L"ADJSEASON q r / MULTIPLICATIVE"}));
}

// ---- source lists -------------------------------------------------------------------------------

template <class Record>
CVariableList& Selected(Record& record) {
    if constexpr (requires { record.SelectedVariablesList; })
        return record.SelectedVariablesList;
    else
        return record.SelectedVariableList;
}

template <class T>
class FirstSeriesSource : public ::testing::Test {};

using SourceRecords = ::testing::Types<CAcfData, CArimaData, CExponentialData, CSeasonalData,
                                       CSeriesSmoothData, CTransformData, CFourierData, CLowessData>;
TYPED_TEST_SUITE(FirstSeriesSource, SourceRecords);

TYPED_TEST(FirstSeriesSource, NumericVariablesOfferedTheFirstChosenWhileNoneIs) {
    using Names = std::vector<std::wstring>;
    FakeHost host;
    host.data.AddString(L"label");
    host.data.AddNumeric(L"a");
    host.data.AddNumeric(L"b");
    TypeParam record;
    record.ListOfVariablesList.Add(Numeric(L"gone"));
    record.FillListSource();
    EXPECT_EQ(NamesOf(record.ListOfVariablesList), (Names{L"a", L"b"}));
    EXPECT_EQ(NamesOf(Selected(record)), Names{L"a"});
    Selected(record) = Variables({L"b"});
    record.FillListSource();
    EXPECT_EQ(NamesOf(Selected(record)), Names{L"b"});

    FakeHost textOnly;
    textOnly.data.AddString(L"name");
    TypeParam none;
    none.FillListSource();
    EXPECT_TRUE(none.ListOfVariablesList.IsEmpty());
    EXPECT_TRUE(Selected(none).IsEmpty());
}

}  // namespace
