// Archives of the ARIMA, exponential smoothing, seasonal adjustment and series smoothing records: each
// record's own field order as exact bytes and loading back (every record class is cut short in
// RecordRoundTripTest); the long GetAll/SetAll argument lists.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <string>

#include "ArchiveTestUtil.h"
#include "Private/ArimaData.h"
#include "Private/ExponentialData.h"
#include "Private/SeasonalData.h"
#include "Private/SeriesSmoothData.h"

namespace {

// ---- expected bytes, piece by piece -------------------------------------------------------------

// Doubles as their IEEE 754 bit patterns, written out so that the test does not share the archive's
// conversion.
constexpr std::uint64_t kBits0 = 0;
constexpr std::uint64_t kBits001 = 0x3F847AE147AE147BULL;
constexpr std::uint64_t kBits01 = 0x3FB999999999999AULL;
constexpr std::uint64_t kBits025 = 0x3FD0000000000000ULL;
constexpr std::uint64_t kBits05 = 0x3FE0000000000000ULL;

// Loads `bytes` into a record that holds something else, and checks it stores the same bytes again
// and consumed them all.
template <class Record>
void ExpectLoadsBack(const Bytes& bytes, Record other) {
    CArchive ar(bytes);
    other.LoadFromArchive(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(Store(other), bytes) << Hex(Store(other));
}

// ---- ARIMA --------------------------------------------------------------------------------------

CArimaData SampleArima() {
    CArimaData r;
    r.SetWindowState(2);
    r.ListOfVariablesList.Add(Numeric(L"y"));
    r.SelectedVariableList.Add(Numeric(L"y"));
    r.ArParametersEdit.SetUserValue(2);
    r.MaEdit.SetUserValue(1);
    r.SeasonalPerEdit = CGUIData<int>(4);
    r.SeasonalPerEdit.SetUserValue(6);
    r.SeasonalPerEdit.SetLast(0);
    r.ToleranceEdit.SetUserValue(0.25);
    r.ForeCastFromEdit.SetUserValue(10);
    r.ForeCastToEdit.SetUserValue(15);
    r.SaveFileEdit = L"a.tvz";
    r.MaCheck = 1;
    r.SeasonalPerCheck = 1;
    r.EstimateConstCheck = 1;
    r.ForeCastCheck = 1;
    r.SaveFileCheck = 1;
    r.ForeCastNoRadio = 1;
    return r;
}

Bytes SampleArimaBytes() {
    ExpectedArchive b;
    b.Base(2);
    b.Text(u"a.tvz");
    // ArParameters, SeasonalAr, Ma, SeasonalMa, SeasonalPer, EstimateConst, ForeCast, SaveFile checks; radio
    for (int v : {1, 0, 1, 0, 1, 1, 1, 1, 1})
        b.Int(v);
    b.List({{u"y"}});
    b.List({{u"y"}});
    b.Holder(0, 0, 1, 2, 1);                               // ArParametersEdit, typed
    b.Holder(1, 1, 0, 0, 1);                               // SeasonalArEdit, default with second mark 1
    b.Holder(0, 1, 0, 1, 1);                               // MaEdit, typed
    b.Holder(1, 1, 0, 0, 1);                               // SeasonalMaEdit
    b.Holder(0, 0, 4, 6, 0);                               // SeasonalPerEdit, last flag cleared
    b.Holder(1, 0, 20, 20, 1);                             // IterationsEdit
    b.Holder<std::uint64_t>(0, 0, kBits001, kBits025, 1);  // ToleranceEdit
    b.Holder(1, 0, 0, 0, 1);                               // BackCastEdit
    b.Holder(1, 1, 0, 0, 1);                               // ForeCastNoEdit
    b.Holder(0, 1, 0, 10, 1);                              // ForeCastFromEdit
    b.Holder(0, 1, 0, 15, 1);                              // ForeCastToEdit
    return b.bytes();
}

TEST(ArimaDataArchive, FieldOrderIsExact) {
    CArimaData record = SampleArima();
    EXPECT_EQ(Store(record), SampleArimaBytes()) << Hex(Store(record));
}

TEST(ArimaDataArchive, LoadsBackIntoARecordHoldingOtherValues) {
    CArimaData other;
    other.SelectedVariableList.Add(Numeric(L"stale"));
    other.SaveFileEdit = L"stale.tvz";
    other.IterationsEdit.SetUserValue(99);
    ExpectLoadsBack(SampleArimaBytes(), other);
}

// ---- exponential smoothing ----------------------------------------------------------------------

CExponentialData SampleExponential() {
    CExponentialData r;
    r.SetWindowState(4);
    r.TrendCheck = 1;
    r.ForecastCheck = 1;
    r.SeasonPeriodCheck = 1;
    r.TrendLinearRadio = 1;
    r.NumberRadio = 1;
    r.SmoothEdit.SetUserValue(0.25);
    r.PercentEdit.SetUserValue(0.5);
    r.ForecastFromEdit.SetUserValue(3);
    r.ForecastToEdit.SetUserValue(9);
    r.SeasonPeriodEdit.SetValue(10);
    r.SeasonPeriodEdit.SetDefault(0);
    r.ListOfVariablesList.Add(Numeric(L"a"));
    r.ListOfVariablesList.Add(Numeric(L"b"));
    r.SelectedVariableList.Add(Numeric(L"b"));
    return r;
}

Bytes SampleExponentialBytes() {
    ExpectedArchive b;
    b.Base(4);
    // Trend, SeasonComp, Forecast, SeasonPeriod, SaveFile checks; TrendLinear, Seasonadd, Number radios
    for (int v : {1, 0, 1, 1, 0, 1, 0, 1})
        b.Int(v);
    b.Text(u"");
    b.Holder<std::uint64_t>(0, 0, kBits01, kBits025, 1);  // SmoothEdit
    b.Holder<std::uint64_t>(1, 1, kBits0, kBits0, 1);     // TrendLinearEdit
    b.Holder<std::uint64_t>(0, 1, kBits0, kBits05, 1);    // PercentEdit
    b.Holder<std::uint64_t>(1, 1, kBits0, kBits0, 1);     // SeasonAddEdit
    b.Holder<std::uint64_t>(1, 1, kBits0, kBits0, 1);     // SeasonMultiEdit
    b.Holder(1, 0, 1, 1, 1);                              // NumberEdit
    b.Holder(0, 1, 1, 3, 1);                              // ForecastFromEdit
    b.Holder(0, 1, 1, 9, 1);                              // ForecastToEdit
    b.Holder(0, 0, 12, 10, 1);                            // SeasonPeriodEdit, capped
    b.List({{u"a"}, {u"b"}});                             // the lists come last here
    b.List({{u"b"}});
    return b.bytes();
}

TEST(ExponentialDataArchive, FieldOrderIsExact) {
    CExponentialData record = SampleExponential();
    EXPECT_EQ(Store(record), SampleExponentialBytes()) << Hex(Store(record));
}

TEST(ExponentialDataArchive, LoadsBackIntoARecordHoldingOtherValues) {
    CExponentialData other;
    other.SaveFileEdit = L"stale.tvz";
    other.SelectedVariableList.Add(Numeric(L"stale"));
    other.SmoothEdit.SetUserValue(0.75);
    ExpectLoadsBack(SampleExponentialBytes(), other);
}

// ---- seasonal adjustment ------------------------------------------------------------------------

CSeasonalData SampleSeasonal() {
    CSeasonalData r;
    r.TermCheck = 1;
    r.SaveFileCheck = 1;
    r.AdditiveRadio = 0;
    r.SaveFileEdit = L"s.tvz";
    r.SeasonEdit.SetUserValue(4);
    r.ListOfVariablesList.Add(Numeric(L"q"));
    r.SelectedVariableList.Add(Numeric(L"q"));
    return r;
}

Bytes SampleSeasonalBytes() {
    ExpectedArchive b;
    b.Base(1);
    for (int v : {1, 1, 0})  // TermCheck, SaveFileCheck, AdditiveRadio
        b.Int(v);
    b.Text(u"s.tvz");
    b.Holder(0, 0, 12, 4, 1);  // SeasonEdit
    b.List({{u"q"}});
    b.List({{u"q"}});
    return b.bytes();
}

TEST(SeasonalDataArchive, FieldOrderIsExact) {
    CSeasonalData record = SampleSeasonal();
    EXPECT_EQ(Store(record), SampleSeasonalBytes()) << Hex(Store(record));
}

TEST(SeasonalDataArchive, LoadsBackIntoARecordHoldingOtherValues) {
    CSeasonalData other;
    other.SaveFileEdit = L"stale.tvz";
    other.AdditiveRadio = 7;
    ExpectLoadsBack(SampleSeasonalBytes(), other);
}

// ---- series smoothing ---------------------------------------------------------------------------

CSeriesSmoothData SampleSmooth() {
    CSeriesSmoothData r;
    r.WeightEdit = L"1 2 1";
    r.MeanRadio = 2;
    r.MeanValueEdit.SetUserValue(5);
    r.SelectedVariableList.Add(Numeric(L"z"));
    return r;
}

Bytes SampleSmoothBytes() {
    ExpectedArchive b;
    b.Base(1);
    b.Text(u"1 2 1");
    b.Int(0);  // SaveFileCheck
    b.Int(2);  // MeanRadio
    b.Text(u"");
    b.Holder(0, 0, 3, 5, 1);  // MeanValueEdit
    b.Holder(1, 1, 0, 0, 1);  // MedianValueEdit, default with second mark 1
    b.List({});
    b.List({{u"z"}});
    return b.bytes();
}

TEST(SeriesSmoothDataArchive, FieldOrderIsExact) {
    CSeriesSmoothData record = SampleSmooth();
    EXPECT_EQ(Store(record), SampleSmoothBytes()) << Hex(Store(record));
}

TEST(SeriesSmoothDataArchive, LoadsBackIntoARecordHoldingOtherValues) {
    CSeriesSmoothData other;
    other.WeightEdit = L"stale";
    other.ListOfVariablesList.Add(Numeric(L"stale"));
    ExpectLoadsBack(SampleSmoothBytes(), other);
}

}  // namespace
