// Archives of the tables menu's records: one non-default record of each as exact bytes, in the orders
// stored files have (the cell page's sum check fifth, the two-way threshold last, the standardized
// page's ints in their own order, the loglinear model without delta and order).

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>

#include "FakeHost.h"
#include "Private/LogLinData.h"
#include "Private/LogLinStatsData.h"
#include "Private/LogLinTabulateData.h"
#include "Private/LogLinZeroData.h"
#include "Private/SmartCorrAnalysisData.h"
#include "Private/XTabTabData.h"
#include "RecordTestUtil.h"

namespace {

struct ArchiveCase {
    const char* name;
    std::function<std::unique_ptr<CGUIBaseObj>()> make;
    std::function<ExpectedArchive()> expected;
};

template <class T, class F>
std::function<std::unique_ptr<CGUIBaseObj>()> Made(F change) {
    return [change] {
        auto r = std::make_unique<T>();
        change(*r);
        return r;
    };
}

const ArchiveCase kCases[] = {
    {"CXtabCellStatisticsData", Made<CXtabCellStatisticsData>([](auto& r) {
         r.MinimumCheck = r.SumCheck = r.VarianceCheck = 1;
         r.MeanCombo = 2;
         r.SumCombo = 3;
     }),
     [] {
         // min, max, mean, sd, sum, range, variance; then the combos min, mean, range, variance, max, sd, sum
         return ExpectedArchive()
             .Base()
             .Int(1)
             .Int(0)
             .Int(0)
             .Int(0)
             .Int(1)
             .Int(0)
             .Int(1)
             .Int(0)
             .Int(2)
             .Int(0)
             .Int(0)
             .Int(0)
             .Int(0)
             .Int(3);
     }},
    {"CXTab1WayData", Made<CXTab1WayData>([](auto& r) {
         r.ListOfVariablesList = Variables({L"a", L"b"});
         r.SelectedVariableList = Variables({L"b"});
         r.PercentagesCheck = r.TCPCheck = 1;
         r.ConfidenceLevelCombo = L"0.99";
         r.SaveDataFileEdit = L"t";
     }),
     [] {
         // frequencies, percentages, interval, chi-square, missing, list, save, TCP
         return ExpectedArchive()
             .Base()
             .Int(1)
             .Int(1)
             .Int(0)
             .Int(1)
             .Int(0)
             .Int(0)
             .Int(0)
             .Int(1)
             .Text(u"0.99")
             .Text(u"t")
             .List({{u"a"}, {u"b"}})
             .List({{u"b"}});
     }},
    {"CXTab2WayData", Made<CXTab2WayData>([](auto& r) {
         r.ListOfVariablesList = Variables({L"a", L"b"});
         r.RowVariableList = Variables({L"a"});
         r.ColumnVariableList = Variables({L"b"});
         SetChanged(r.ThresholdEdit, 2.5);
         r.RowPercentsCheck = r.ExpectedCheck = r.ShadeCheck = 1;
         r.SaveCombo = 1;
         r.SaveDataFileEdit = L"w";
     }),
     [] {
         ExpectedArchive e;
         e.Base();
         for (int v : {1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1})
             e.Int(v);
         return e.Text(u"w")
             .Int(1)
             .List({{u"a"}, {u"b"}})
             .List({{u"a"}})
             .List({{u"b"}})
             .Holder(0, 0, 4.0, 2.5, 1);
     }},
    {"CStats2WayData", Made<CStats2WayData>([](auto& r) {
         r.PearsonChiSquareCheck = 0;
         r.OddsRatioCheck = r.SomerDCheck = 1;
         SetChanged(r.ConfidenceEdit, 0.9);
     }),
     [] {
         ExpectedArchive e;
         e.Base();
         for (int v : {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})
             e.Int(v);
         return e.Holder(0, 0, 0.95, 0.9, 1);
     }},
    {"CXTabNWayData", Made<CXTabNWayData>([](auto& r) {
         r.StrataVariableList = Variables({L"s"});
         r.ListOfVariablesList = Variables({L"a", L"b"});
         r.RowVariableList = Variables({L"a"});
         r.ColumnVariableList = Variables({L"b"});
         r.ListLayoutCheck = r.MantelHaenszel2By2Check = r.SeparateStrataRadio = 1;
         r.SaveDataFileEdit = L"n";
     }),
     [] {
         ExpectedArchive e;
         e.Base();
         for (int v : {1, 0, 0, 1, 0, 1, 0, 0, 0, 1})
             e.Int(v);
         return e.Text(u"n").List({{u"s"}}).List({{u"a"}, {u"b"}}).List({{u"a"}}).List({{u"b"}});
     }},
    {"CXtabMultiwayStandData", Made<CXtabMultiwayStandData>([](auto& r) {
         r.ListOfVariablesList = Variables({L"a"});
         r.StrataVariableList = Variables({L"s"});
         r.SaveEdit = L"s";
         r.SaveCheck = r.SeparateStrataRadio = r.RowPercentsCheck = r.ShadeCheck = 1;
         r.SaveCombo = 1;
         SetChanged(r.ThresholdEdit, 3.0);
     }),
     [] {
         ExpectedArchive e;
         e.Base().Text(u"s");
         // save, frequencies, radio, combo, table, row, column, expected, deviates, standardized, TCP, shade
         for (int v : {1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1})
             e.Int(v);
         return e.List({{u"a"}}).List({}).List({}).List({{u"s"}}).Holder(0, 0, 4.0, 3.0, 1);
     }},
    {"CLogLinData", Made<CLogLinData>([](auto& r) {
         r.SaveCheck = r.SaveCombo = r.ModelRadio = r.ExcludeTermsCheck = 1;
         r.SaveFileEdit = L"m";
         r.CustomModelEdit = L"A*B";
         r.ListOfVariablesList = Variables({L"A", L"B"});
         r.ModelTermsList = Variables({L"A"});
         r.TableFactorsList = Variables({L"A", L"B"});
         SetChanged(r.ToleranceEdit, 0.01);
         SetChanged(r.HalvingsEdit, 4);
         SetChanged(r.DeltaEdit, 0.5);
         SetChanged(r.OrderEdit, 2);
     }),
     [] {
         return ExpectedArchive()
             .Base()
             .Int(1)
             .Int(1)
             .Text(u"m")
             .Int(1)
             .Int(1)
             .Text(u"A*B")
             .List({{u"A"}, {u"B"}})
             .List({{u"A"}})
             .List({{u"A"}, {u"B"}})
             .Holder(1, 0, 0.0001, 0.0001, 1)
             .Holder(1, 0, 0.000001, 0.000001, 1)
             .Holder(0, 0, 0.001, 0.01, 1)
             .Holder(1, 0, 10, 10, 1)
             .Holder(0, 0, 10, 4, 1);
     }},
    {"CLogLinZeroData", Made<CLogLinZeroData>([](auto& r) {
         r.IndicatorVariableList = Variables({L"z"});
         r.CellsCheck = 1;
         r.CellsEdit = L"(1,2)";
     }),
     [] { return ExpectedArchive().Base().List({}).List({{u"z"}}).Int(1).Text(u"(1,2)").Int(0); }},
    {"CLogLinStatsData", Made<CLogLinStatsData>([](auto& r) {
         r.FittedCheck = 0;
         r.ParametersCheck = 1;
         SetChanged(r.ConfidenceEdit, 0.99);
     }),
     [] {
         ExpectedArchive e;
         e.Base();
         for (int v : {0, 0, 0, 0, 1, 0, 0, 1, 0})
             e.Int(v);
         return e.Holder(0, 0, 0.95, 0.99, 1);
     }},
    {"CLogLinTabulateData", Made<CLogLinTabulateData>([](auto& r) {
         r.FactorsList = Variables({L"a", L"b"});
         r.WeightVariableList = Variables({L"w"});
         r.ListLayoutCheck = 1;
         r.SaveFileEdit = L"t";
     }),
     [] {
         return ExpectedArchive()
             .Base()
             .List({})
             .List({{u"a"}, {u"b"}})
             .List({{u"w"}})
             .Int(0)
             .Int(1)
             .Int(0)
             .Text(u"t");
     }},
    {"CSmartCorrAnalysisData", Made<CSmartCorrAnalysisData>([](auto& r) {
         r.RowVariableList = Variables({L"r"});
         SetChanged(r.DimensionsEdit, 3);
         r.NormalizationCombo = 2;
         r.PlotCheck = 0;
         r.SaveCheck = 1;
     }),
     [] {
         return ExpectedArchive()
             .Base()
             .List({})
             .List({{u"r"}})
             .List({})
             .Holder(0, 0, 2, 3, 1)
             .Int(2)
             .Int(0)
             .Int(1)
             .Int(0)
             .Int(0)
             .Int(0)
             .Int(1)
             .Text(u"");
     }},
};

class TablesArchive : public ::testing::TestWithParam<ArchiveCase> {
protected:
    FakeHost host;
};

TEST_P(TablesArchive, NonDefaultRecordGivesTheseBytes) {
    auto record = GetParam().make();
    EXPECT_EQ(Hex(Store(*record)), Hex(GetParam().expected().bytes()));
}

INSTANTIATE_TEST_SUITE_P(Tables, TablesArchive, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(TablesArchiveLoad, LogLinearDeltaAndOrderComeBackAtTheirDefaults) {
    FakeHost host;
    auto stored = kCases[6].make();
    CLogLinData loaded;
    CArchive in(Store(*stored));
    loaded.LoadFromArchive(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.DeltaEdit, CLogLinData::GetDefaultDeltaEdit());
    EXPECT_EQ(loaded.OrderEdit, CLogLinData::GetDefaultOrderEdit());
    EXPECT_EQ(loaded.HalvingsEdit.GetValue(), 4);
    EXPECT_EQ(loaded.CustomModelEdit, L"A*B");
}

// SetAll given 1, 2, 3, ... reaches these int options in this order: the checks the table pages share
// stand where each page's GetAll / SetAll always had them.
template <class R>
void ExpectIntsInOrder(const R& r, std::initializer_list<int R::*> members) {
    int expected = 1;
    for (int R::*member : members) {
        EXPECT_EQ(r.*member, expected) << "the int option listed " << expected;
        ++expected;
    }
}

TEST(TablesOptionOrder, SharedChecksKeepEachPagesSetAllOrder) {
    const CVariableList l;
    const CGUIData<double> t(1.0);
    const CString f(L"f");
    CXTab2WayData two;
    two.SetAll(l, l, l, t, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, f, 13);
    using T = CXTab2WayData;
    ExpectIntsInOrder(two, {&T::FrequenciesCheck, &T::TablePercentsCheck, &T::RowPercentsCheck,
                            &T::ColumnPercentsCheck, &T::ExpectedCheck, &T::DeviatesCheck,
                            &T::StandardDeviatesCheck, &T::ListLayoutCheck, &T::IncludeMissingValCheck,
                            &T::SaveDataFileCheck, &T::TCPCheck, &T::ShadeCheck, &T::SaveCombo});
    CXTabNWayData multi;
    multi.SetAll(l, l, l, l, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, f);
    using N = CXTabNWayData;
    ExpectIntsInOrder(
        multi, {&N::ListLayoutCheck, &N::IncludeMissingValCheck, &N::SaveDataFileCheck, &N::FrequenciesCheck,
                &N::TablepercentsCheck, &N::MantelHaenszel2By2Check, &N::RowPercentsCheck,
                &N::ColumnPercentsCheck, &N::TCPCheck, &N::SeparateStrataRadio});
    CXtabMultiwayStandData stand;
    stand.SetAll(l, l, l, l, t, f, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12);
    using S = CXtabMultiwayStandData;
    ExpectIntsInOrder(
        stand, {&S::SaveCheck, &S::FrequenciesCheck, &S::SeparateStrataRadio, &S::SaveCombo,
                &S::TablePercentsCheck, &S::RowPercentsCheck, &S::ColumnPercentsCheck, &S::ExpectedCheck,
                &S::DeviatesCheck, &S::StandardDeviatesCheck, &S::TCPCheck, &S::ShadeCheck});
}

}  // namespace
