// Archives of the time-series records: one non-default record of each class as exact bytes (its own
// field order), and the byte-exact defaults of a few. Loading back, cut-short archives, copies and
// registration are RecordRoundTripTest's, for every record.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <functional>
#include <string>

#include "ArchiveTestUtil.h"
#include "Private/ArimaData.h"
#include "Private/CcfData.h"
#include "Private/ExponentialData.h"
#include "Private/FourierData.h"
#include "Private/LowessData.h"
#include "Private/SeasonalData.h"
#include "Private/SeriesSmoothData.h"
#include "Private/TimeData.h"
#include "Private/TransformData.h"
#include "Private/TrendAnalysisData.h"

namespace {

// Doubles as their IEEE 754 bit patterns, written out so that the test does not share the archive's
// conversion.
constexpr std::uint64_t kBits0 = 0;
constexpr std::uint64_t kBits001 = 0x3F847AE147AE147BULL;
constexpr std::uint64_t kBits01 = 0x3FB999999999999AULL;
constexpr std::uint64_t kBits025 = 0x3FD0000000000000ULL;
constexpr std::uint64_t kBits05 = 0x3FE0000000000000ULL;

struct ArchiveCase {
    const char* name;
    std::function<Bytes()> stored;
    std::function<Bytes()> expected;
};

template <class Record>
std::function<Bytes()> Stored(std::function<void(Record&)> change) {
    return [change] {
        Record record;
        change(record);
        return Store(record);
    };
}

class TimeSeriesArchive : public ::testing::TestWithParam<ArchiveCase> {};

TEST_P(TimeSeriesArchive, IsExact) {
    const Bytes stored = GetParam().stored();
    EXPECT_EQ(stored, GetParam().expected()) << Hex(stored);
}

const ArchiveCase kArchives[] = {
    {"Arima", Stored<CArimaData>([](CArimaData& r) {
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
         r.MaCheck = r.SeasonalPerCheck = r.EstimateConstCheck = r.ForeCastCheck = r.SaveFileCheck = 1;
         r.ForeCastNoRadio = 1;
     }),
     [] {
         ExpectedArchive b;
         b.Base(2).Text(u"a.tvz");
         // ArParameters, SeasonalAr, Ma, SeasonalMa, SeasonalPer, EstimateConst, ForeCast, SaveFile; radio
         for (int v : {1, 0, 1, 0, 1, 1, 1, 1, 1})
             b.Int(v);
         b.List({{u"y"}}).List({{u"y"}});
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
     }},
    {"Exponential", Stored<CExponentialData>([](CExponentialData& r) {
         r.SetWindowState(4);
         r.TrendCheck = r.ForecastCheck = r.SeasonPeriodCheck = 1;
         r.TrendLinearRadio = r.NumberRadio = 1;
         r.SmoothEdit.SetUserValue(0.25);
         r.PercentEdit.SetUserValue(0.5);
         r.ForecastFromEdit.SetUserValue(3);
         r.ForecastToEdit.SetUserValue(9);
         r.SeasonPeriodEdit.SetValue(10);
         r.SeasonPeriodEdit.SetDefault(0);
         r.ListOfVariablesList = Variables({L"a", L"b"});
         r.SelectedVariableList = Variables({L"b"});
     }),
     [] {
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
         b.List({{u"a"}, {u"b"}}).List({{u"b"}});              // the lists come last here
         return b.bytes();
     }},
    {"Seasonal", Stored<CSeasonalData>([](CSeasonalData& r) {
         // Unlike values in neighbouring fields, so that a swap shows.
         r.TermCheck = 1;
         r.AdditiveRadio = 0;
         r.SaveFileEdit = L"s.tvz";
         r.SeasonEdit.SetUserValue(4);
         r.ListOfVariablesList = r.SelectedVariableList = Variables({L"q"});
     }),
     [] {
         ExpectedArchive b;
         b.Base(1).Int(1).Int(0).Int(0);  // TermCheck, SaveFileCheck, AdditiveRadio
         return b.Text(u"s.tvz").Holder(0, 0, 12, 4, 1).List({{u"q"}}).List({{u"q"}}).bytes();
     }},
    {"SeriesSmooth", Stored<CSeriesSmoothData>([](CSeriesSmoothData& r) {
         r.WeightEdit = L"1 2 1";
         r.MeanRadio = 2;
         r.MeanValueEdit.SetUserValue(5);
         r.SelectedVariableList = Variables({L"z"});
     }),
     [] {
         return ExpectedArchive()
             .Base(1)
             .Text(u"1 2 1")
             .Int(0)  // SaveFileCheck
             .Int(2)  // MeanRadio
             .Text(u"")
             .Holder(0, 0, 3, 5, 1)  // MeanValueEdit
             .Holder(1, 1, 0, 0, 1)  // MedianValueEdit, default with second mark 1
             .List({})
             .List({{u"z"}})
             .bytes();
     }},
    {"Transform", Stored<CTransformData>([](CTransformData& r) {
         r.SetWindowState(2);
         r.ListOfVariablesList = Variables({L"V1", L"V2"});
         r.SelectedVariableList = Variables({L"V2"});
         r.SeriesLagEdit.SetUserValue(3);
         r.SeriesProportionEdit.SetUserValue(0.25);
         r.SaveFileEdit = L"d.tvz";
         r.SaveFileCheck = 1;
         r.SeriesTypeCombo = 6;
         r.SeriesSaveCombo = 1;
     }),
     [] {
         return ExpectedArchive()
             .Base(2)
             .Text(u"d.tvz")  // SaveFileEdit
             .Int(1)          // SaveFileCheck
             .Int(6)          // SeriesTypeCombo
             .Int(1)          // SeriesSaveCombo
             .List({{u"V1"}, {u"V2"}})
             .List({{u"V2"}})
             .Holder(0, 0, 1, 3, 1)       // lag
             .Holder(1, 0, 1, 1, 1)       // base
             .Holder(0, 0, 0.5, 0.25, 1)  // proportion
             .bytes();
     }},
    {"Time", Stored<CTimeData>([](CTimeData& r) {
         r.OriginEdit.SetUserValue(1990);
         r.PeriodEdit.SetUserValue(12);
         r.FirstEdit.SetUserValue(4);
         r.DateFormatCombo = 3;
     }),
     [] {
         return ExpectedArchive()
             .Base(1)
             .Int(3)                    // DateFormatCombo
             .Holder(0, 1, 0, 1990, 1)  // origin, second mark 1 from its default
             .Holder(0, 0, 1, 12, 1)    // period
             .Holder(0, 0, 1, 4, 1)     // first
             .bytes();
     }},
    {"Ccf", Stored<CCcfData>([](CCcfData& r) {
         r.ListOfVariablesList = Variables({L"V1", L"V2"});
         r.SelectedVariableList = Variables({L"V2", L"V1"});
         r.LagEdit.SetUserValue(12);
         r.SaveFileEdit = L"c.tvz";
         r.SaveFileCheck = 1;
     }),
     [] {
         return ExpectedArchive()
             .Base(1)
             .Text(u"c.tvz")
             .Int(1)
             .List({{u"V1"}, {u"V2"}})
             .List({{u"V2"}, {u"V1"}})
             .Holder(0, 0, 50, 12, 1)
             .bytes();
     }},
    {"Fourier", Stored<CFourierData>([](CFourierData& r) {
         r.SetWindowState(0);
         r.ListOfVariablesList = r.SelectedVariableList = Variables({L"V1"});
         r.LagEdit.SetUserValue(7);
         r.LagEdit.SetLast(0);
         r.SaveFileCheck = 1;
         r.SaveFileEdit = L"f.tvz";
     }),
     [] {
         return ExpectedArchive()
             .Base(0)
             .Int(1)  // SaveFileCheck before the file name here
             .Text(u"f.tvz")
             .Holder(0, 2, 0, 7, 0)
             .List({{u"V1"}})
             .List({{u"V1"}})
             .bytes();
     }},
    {"TrendAnalysis", Stored<CTrendAnalysisData>([](CTrendAnalysisData& r) {
         const CGUIDataVariable season(L"s", kVariableTypeString, 4);
         r.ListOfVariablesList = Variables({L"y", L"t"});
         r.ListOfVariablesList.Add(season);
         r.SeriesVariableList = Variables({L"y"});
         r.TimeVariableList = Variables({L"t"});
         r.SeasonVariableList.Add(season);
         r.ConfiEdit.SetUserValue(0.9);
         r.TestsSkCheck = 0;
         r.TestsMkCheck = r.TestsHomogeneityCheck = r.SlopeCheck = r.TestsMkRadio = 1;
         r.AlternativeCombo = 2;
     }),
     [] {
         ExpectedArchive b;
         b.Base(1);
         // TestsSk, TestsMk, TestsHomogeneity, Slope checks; TestsMk radio; alternative combo
         for (int v : {0, 1, 1, 1, 1, 2})
             b.Int(v);
         return b.List({{u"y"}, {u"t"}, {u"s", 1, 4}})
             .List({{u"y"}})
             .List({{u"t"}})
             .List({{u"s", 1, 4}})
             .Holder(0, 0, 0.95, 0.9, 1)
             .bytes();
     }},
    {"Lowess", Stored<CLowessData>([](CLowessData& r) {
         r.ListOfVariablesList = r.SelectedVariableList = Variables({L"V1"});
         r.TensionEdit.SetUserValue(0.3);
         r.SaveFileCheck = 1;
         r.SaveFileEdit = L"l.tvz";
     }),
     [] {
         return ExpectedArchive()
             .Base(1)
             .Int(1)
             .Text(u"l.tvz")
             .Holder(0, 0, 0.5, 0.3, 1)
             .List({{u"V1"}})
             .List({{u"V1"}})
             .bytes();
     }},
    // Defaults, as stored, of the records whose lines do not show them all.
    {"TimeDefaults", Stored<CTimeData>([](CTimeData&) {}),
     [] {
         return ExpectedArchive()
             .Base(1)
             .Int(0)
             .Holder(1, 1, 0, 0, 1)
             .Holder(1, 0, 1, 1, 1)
             .Holder(1, 0, 1, 1, 1)
             .bytes();
     }},
    {"FourierDefaults", Stored<CFourierData>([](CFourierData&) {}),
     [] {
         return ExpectedArchive().Base(1).Int(0).Text(u"").Holder(1, 2, 0, 0, 1).List({}).List({}).bytes();
     }},
    {"TrendAnalysisDefaults", Stored<CTrendAnalysisData>([](CTrendAnalysisData&) {}),
     [] {
         ExpectedArchive b;
         b.Base(1);
         for (int v : {1, 0, 0, 0, 0, 0})
             b.Int(v);
         return b.List({}).List({}).List({}).List({}).Holder(1, 0, 0.95, 0.95, 1).bytes();
     }},
};

INSTANTIATE_TEST_SUITE_P(Records, TimeSeriesArchive, ::testing::ValuesIn(kArchives),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
