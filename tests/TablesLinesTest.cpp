// Command lines of the tables menu: golden lines per variant and the edge cases, one row each. Rows
// build a record (a page alone, or a composite over its pages) and set the host as the case needs.

#include <gtest/gtest.h>

#include <functional>

#include "FakeHost.h"
#include "Private/LogLinTabData.h"
#include "Private/LogLinTabulateData.h"
#include "Private/SmartCorrAnalysisData.h"
#include "Private/XTabTabData.h"
#include "RecordTestUtil.h"

namespace {

using Lines = std::vector<std::wstring>;

struct LinesCase {
    const char* name;
    std::function<Lines(FakeHost&)> run;
    Lines expected;
};

template <class T, class F>
std::function<Lines(FakeHost&)> LinesOfMade(F change) {
    return [change](FakeHost& host) {
        T record;
        change(record, host);
        return LinesOf(record);
    };
}

CXTab1WayData OneWay() {
    CXTab1WayData r;
    r.SelectedVariableList = Variables({L"A"});
    return r;
}
template <class Tab>
Tab TwoWay() {
    Tab tab;
    tab.template Page<CXTab2WayData>().RowVariableList = Variables({L"A", L"B"});
    tab.template Page<CXTab2WayData>().ColumnVariableList = Variables({L"C"});
    return tab;
}
CXTabNWayData Multiway() {
    CXTabNWayData r;
    r.StrataVariableList = Variables({L"S", L"T"});
    r.RowVariableList = Variables({L"R"});
    r.ColumnVariableList = Variables({L"C"});
    return r;
}
CXtabMultiwayTabData Standardized() {
    CXtabMultiwayTabData tab;
    auto& page = tab.Page<CXtabMultiwayStandData>();
    page.StrataVariableList = Variables({L"S", L"T"});
    page.RowVariableList = Variables({L"R"});
    page.ColumnVariableList = Variables({L"C"});
    return tab;
}
template <class T>
void SetIfCheck(T& option) {
    if constexpr (std::is_same_v<T, int>)
        option = 1;
}
// Every measure of association checked.
void CheckAllMeasures(CStats2WayData& measures) {
    std::apply([](auto&... option) { (SetIfCheck(option), ...); }, measures.Options());
}
CLogLinTabData LogLinear(std::initializer_list<const wchar_t*> terms) {
    CLogLinTabData tab;
    tab.Page<CLogLinData>().TableFactorsList = Variables({L"A", L"B"});
    tab.Page<CLogLinData>().ModelTermsList = Variables(terms);
    return tab;
}

const LinesCase kCases[] = {
    // ---- one-way tables ------------------------------------------------------------------------------
    {"OneWayDefaults",
     LinesOfMade<CXTab1WayData>([](auto& r, auto&) { r = OneWay(); }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ", L"TABULATE A /"}},
    {"OneWayNoConfidenceWithPercentagesOff",
     LinesOfMade<CXTab1WayData>([](auto& r, auto&) {
         r = OneWay();
         r.ConfIintervalCheck = r.IncludeMissingValCheck = 1;
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ", L"TABULATE A / MISS"}},
    {"OneWayConfidenceAndTheSaveAfterThePrintLine",
     LinesOfMade<CXTab1WayData>([](auto& r, auto&) {
         r = OneWay();
         r.SelectedVariableList.Add(Numeric(L"B"));
         r.FrequenciesCheck = r.PearsonChiSqrCheck = 0;
         r.PercentagesCheck = r.ConfIintervalCheck = r.ListLayoutCheck = r.SaveDataFileCheck = r.TCPCheck = 1;
         r.ConfidenceLevelCombo = L"0.99";
         r.SaveDataFileEdit = L"o.tvz";
     }),
     {L"TABLES", L"PLENGTH NONE / LIST PERCENT TCP", L"SAVE \"o.tvz\"", L"TABULATE A B / CONFI = 0.99"}},
    {"OneWayWithoutPrintOptionsLosesTheSlash",
     LinesOfMade<CXTab1WayData>([](auto& r, auto&) {
         r = OneWay();
         r.FrequenciesCheck = r.PearsonChiSqrCheck = 0;
         r.SaveDataFileCheck = 1;  // no file name: no save line
     }),
     {L"TABLES", L"PLENGTH NONE ", L"TABULATE A /"}},
    // ---- two-way tables and measures of association ---------------------------------------------------
    {"TwoWayDefaults",
     LinesOfMade<CXTab2WayData>([](auto& r, auto&) { r = TwoWay<CXTab2WayTabData>().Page<0>(); }),
     {L"TABLES", L"PLENGTH NONE / FREQ", L"TABULATE A B * C /"}},
    {"TwoWayEveryOptionAndTheSaveBeforeThePrintLine",
     LinesOfMade<CXTab2WayData>([](auto& r, auto&) {
         r = TwoWay<CXTab2WayTabData>().Page<0>();
         r.TablePercentsCheck = r.RowPercentsCheck = r.ColumnPercentsCheck = r.ExpectedCheck = 1;
         r.DeviatesCheck = r.StandardDeviatesCheck = r.TCPCheck = r.ListLayoutCheck = 1;
         r.IncludeMissingValCheck = r.SaveDataFileCheck = r.SaveCombo = 1;
         r.SaveDataFileEdit = L"t.tvz";
     }),
     {L"TABLES", L"SAVE TABLE \"t.tvz\"",
      L"PLENGTH NONE / LIST FREQ PERCENT ROWPCT COLPCT EXPECT DEVI STAND TCP", L"TABULATE A B * C / MISS"}},
    {"TwoWayShadeAloneWithTheThresholdUntouched",
     LinesOfMade<CXTab2WayData>([](auto& r, auto&) {
         r = TwoWay<CXTab2WayTabData>().Page<0>();
         r.ShadeCheck = 1;
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ", L"TABULATE A B * C / SHADE"}},
    {"TwoWayShadeWithTheThresholdWhenAllValuesAreAsked",
     LinesOfMade<CXTab2WayData>([](auto& r, auto& host) {
         r = TwoWay<CXTab2WayTabData>().Page<0>();
         r.ShadeCheck = 1;
         host.allValues = true;
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ", L"TABULATE A B * C / SHADE = 4"}},
    {"TwoWayTypedThresholdUnderACommaDecimal",
     LinesOfMade<CXTab2WayData>([](auto& r, auto& host) {
         r = TwoWay<CXTab2WayTabData>().Page<0>();
         r.ShadeCheck = 1;
         r.ThresholdEdit.SetUserValue(2.5);
         host.decimal = L',';
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ", L"TABULATE A B * C / SHADE = 2,5"}},
    {"TwoWayCompositeGainsChiSquareAndThePrintReset",
     LinesOfMade<CXTab2WayTabData>([](auto& r, auto&) { r = TwoWay<CXTab2WayTabData>(); }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ", L"TABULATE A B * C /", L"PLENGTH MEDIUM"}},
    {"MeasuresInTheirOrderWithoutAConfidenceLeftAtItsDefault",
     LinesOfMade<CXTab2WayTabData>([](auto& r, auto&) {
         r = TwoWay<CXTab2WayTabData>();
         CheckAllMeasures(r.template Page<CStats2WayData>());
     }),
     {L"TABLES",
      L"PLENGTH NONE / FREQ CHISQ YATES FISHER ODDS YULE COCHRAN MCNEM KAPPA PHI CRAMER CONT UNCE LAMBDA "
      L"LRCHI RHO "
      L"GAMMA TAUB TAUC SOMERS",
      L"TABULATE A B * C /", L"PLENGTH MEDIUM"}},
    {"MeasuresConfidenceUnderACommaDecimal",
     LinesOfMade<CXTab2WayTabData>([](auto& r, auto& host) {
         r = TwoWay<CXTab2WayTabData>();
         r.template Page<CStats2WayData>().OddsRatioCheck = 1;
         r.template Page<CStats2WayData>().ConfidenceEdit.SetUserValue(0.9);
         host.decimal = L',';
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ ODDS", L"TABULATE A B * C / CONFI = 0,9", L"PLENGTH MEDIUM"}},
    {"MeasuresDefaultConfidenceWhenAllValuesAreAsked",
     LinesOfMade<CXTab2WayTabData>([](auto& r, auto& host) {
         r = TwoWay<CXTab2WayTabData>();
         r.template Page<CStats2WayData>().SomerDCheck = 1;
         host.allValues = true;
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ SOMERS", L"TABULATE A B * C / CONFI = 0.95", L"PLENGTH MEDIUM"}},
    {"MeasuresWithoutAnIntervalWriteNoConfidence",
     LinesOfMade<CXTab2WayTabData>([](auto& r, auto&) {
         r = TwoWay<CXTab2WayTabData>();
         auto& measures = r.template Page<CStats2WayData>();
         measures.PhiCheck = measures.CramerVCheck = measures.PearsonChiSquareCheck = 0;
         measures.PhiCheck = 1;
         measures.ConfidenceEdit.SetUserValue(0.9);
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ PHI", L"TABULATE A B * C /", L"PLENGTH MEDIUM"}},
    // ---- cell statistics ---------------------------------------------------------------------------
    {"CellSumComesBeforeTheMean",
     LinesOfMade<CXTab1WayTabData>([](auto& r, auto&) {
         r.template Page<CXTab1WayData>() = OneWay();
         auto& cells = r.template Page<CXtabCellStatisticsData>();
         cells.MeanCheck = cells.SumCheck = 1;
         cells.MeanCombo = 1;
         cells.SumCombo = 0;
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ", L"TABULATE A / SUM = V MEAN = W", L"PLENGTH MEDIUM"}},
    {"CellEveryStatisticInItsOrder",
     LinesOfMade<CXTab2WayTabData>([](auto& r, auto&) {
         r = TwoWay<CXTab2WayTabData>();
         auto& c = r.template Page<CXtabCellStatisticsData>();
         c.MinimumCheck = c.MaximumCheck = c.MeanCheck = c.SdCheck = c.RangeCheck = c.VarianceCheck =
             c.SumCheck = 1;
         c.MaximumCombo = c.SdCombo = c.VarianceCombo = 1;
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ",
      L"TABULATE A B * C / MINIMUM = V MAXIMUM = W SUM = V MEAN = V SD = W RANGE = V VARIANCE = W",
      L"PLENGTH MEDIUM"}},
    {"CellAddsTheSlashAMultiwayLineLost",
     LinesOfMade<CXTabNWayTabData>([](auto& r, auto&) {
         r.template Page<CXTabNWayData>() = Multiway();
         r.template Page<CXtabCellStatisticsData>().SdCheck = 1;
     }),
     {L"TABLES", L"PLENGTH NONE / FREQ", L"TABULATE S, T * R * C  / SD = V", L"PLENGTH MEDIUM"}},
    {"CellWithNothingCheckedStillGivesTheSlash",
     LinesOfMade<CXTabNWayTabData>([](auto& r, auto&) { r.template Page<CXTabNWayData>() = Multiway(); }),
     {L"TABLES", L"PLENGTH NONE / FREQ", L"TABULATE S, T * R * C  /", L"PLENGTH MEDIUM"}},
    {"NoPageLineStillEndsWithThePrintReset",
     LinesOfMade<CXTab1WayTabData>([](auto& r, auto& host) {
         r.template Page<CXTab1WayData>().SetWindowState(0);
         r.template Page<CXtabCellStatisticsData>().MeanCheck = 1;
         host.kernel.print = 0;
     }),
     {L"PLENGTH NONE"}},
    // ---- multiway and standardized multiway tables -------------------------------------------------
    {"MultiwayDefaults",
     LinesOfMade<CXTabNWayData>([](auto& r, auto&) { r = Multiway(); }),
     {L"TABLES", L"PLENGTH NONE / FREQ", L"TABULATE S, T * R * C "}},
    {"MultiwayMantelWithSeparateStrata",
     LinesOfMade<CXTabNWayData>([](auto& r, auto&) {
         r = Multiway();
         r.MantelHaenszel2By2Check = r.ListLayoutCheck = r.RowPercentsCheck = 1;
         r.ColumnVariableList.RemoveAll();
     }),
     {L"TABLES", L"PLENGTH NONE / LIST FREQ ROWPCT MANTEL", L"TABULATE S, T * R "}},
    {"StandardizedCompositeKeepsTheSlashAndTakesTheMeasures",
     LinesOfMade<CXtabMultiwayTabData>([](auto& r, auto&) { r = Standardized(); }),
     {L"TABLES", L"PLENGTH NONE / FREQ CHISQ", L"STD S, T * R * C /", L"PLENGTH MEDIUM"}},
    {"StandardizedCrossedShadeAloneAndTheSaveType",
     LinesOfMade<CXtabMultiwayStandData>([](auto& r, auto&) {
         r = Standardized().Page<0>();
         r.ColumnVariableList.RemoveAll();
         r.SeparateStrataRadio = r.ShadeCheck = r.SaveCheck = r.ExpectedCheck = r.TCPCheck = 1;
         r.SaveEdit = L"s.tvz";
     }),
     {L"TABLES", L"SAVE CELLS \"s.tvz\"", L"PLENGTH NONE / FREQ EXPECT TCP", L"STD S * T * R / SHADE"}},
    // ---- loglinear models --------------------------------------------------------------------------
    {"LogLinearTermsJoinedWithPlus",
     LinesOfMade<CLogLinTabData>([](auto& r, auto&) {
         r = LogLinear({L"A", L"B", L"A*B"});
     }),
     {L"LOGLINEAR", L"MODEL A*B = A+B+A*B", L"PLENGTH NONE / EXPECT FIT", L"ESTIMATE ", L"PLENGTH MEDIUM"}},
    {"LogLinearTypedModelAndEstimation",
     LinesOfMade<CLogLinData>([](auto& r, auto&) {
         r = LogLinear({L"A"}).Page<0>();
         r.ModelRadio = 1;
         r.CustomModelEdit = L"A*B + -A";
         r.ConvergenceEdit.SetUserValue(0.001);
         r.IterationsEdit.SetUserValue(20);
         r.HalvingsEdit.SetUserValue(10);
         r.DeltaEdit.SetUserValue(0.5);
         r.SaveCheck = 1;
         r.SaveFileEdit = L"f.tvz";
     }),
     {L"LOGLINEAR", L"SAVE FITTED \"f.tvz\"", L"MODEL A*B = A*B + -A", L"PLENGTH NONE /",
      L"ESTIMATE / CONV = 0.001 ITER = 20 DELTA = 0.5"}},
    {"LogLinearPagesJoinTheModelPageAndEndWithTheReset",
     LinesOfMade<CLogLinTabData>([](auto& r, auto& host) {
         r = LogLinear({L"A", L"B"});
         auto& zero = r.template Page<CLogLinZeroData>();
         zero.CellsCheck = zero.IndicatorCheck = 1;
         zero.CellsEdit = L"(1,2)";
         zero.IndicatorVariableList = Variables({L"z"});
         auto& stats = r.template Page<CLogLinStatsData>();
         stats.ParametersCheck = stats.AicCheck = 1;
         stats.ConfidenceEdit.SetUserValue(0.9);
         host.kernel.print = 3;
     }),
     {L"LOGLINEAR", L"MODEL A*B = A+B", L"PLENGTH NONE / EXPECT FIT AIC PARAM CONFI = 0.9", L"ESTIMATE ",
      L"ZERO / CELLS = (1,2) VARIABLE = z", L"PLENGTH LONG"}},
    {"LogLinearTabulationWithAWeight",
     LinesOfMade<CLogLinTabulateData>([](auto& r, auto&) {
         r.FactorsList = Variables({L"a", L"b"});
         r.WeightVariableList = Variables({L"w"});
         r.IncludeMissingValCheck = 1;
     }),
     {L"LOGLINEAR", L"TABULATE a*b / WEIGHT = w MISS"}},
    {"LogLinearTabulationAloneLosesItsSlash",
     LinesOfMade<CLogLinTabulateData>([](auto& r, auto&) { r.FactorsList = Variables({L"a"}); }),
     {L"LOGLINEAR", L"TABULATE a "}},
    // ---- correspondence analysis -------------------------------------------------------------------
    {"CorrespondenceDefaults",
     LinesOfMade<CSmartCorrAnalysisData>([](auto& r, auto&) {
         r.RowVariableList = Variables({L"r"});
         r.ColumnVariableList = Variables({L"c"});
     }),
     {L"TABLES", L"CORRESP r * c / INERTIA PLOT"}},
    {"CorrespondenceEveryOption",
     LinesOfMade<CSmartCorrAnalysisData>([](auto& r, auto&) {
         r.RowVariableList = Variables({L"r"});
         r.ColumnVariableList = Variables({L"c"});
         r.DimensionsEdit.SetUserValue(3);
         r.NormalizationCombo = 2;
         r.ProfilesCheck = r.ContributionsCheck = r.IncludeMissingValCheck = r.SaveCheck = 1;
         r.InertiaCheck = r.PlotCheck = 0;
         r.SaveFileEdit = L"k.tvz";
     }),
     {L"TABLES", L"SAVE \"k.tvz\"", L"CORRESP r * c / DIM = 3 NORMAL = COLPRINCIPAL PROFILES CONTRIB MISS"}},
};

class TablesLines : public ::testing::TestWithParam<LinesCase> {
protected:
    TablesLines() {
        host.data.AddNumeric(L"V");
        host.data.AddString(L"Region");
        host.data.AddNumeric(L"W");
    }
    FakeHost host;
};

TEST_P(TablesLines, GiveTheseLines) {
    EXPECT_EQ(GetParam().run(host), GetParam().expected);
    EXPECT_TRUE(host.assertions.empty());
}

INSTANTIATE_TEST_SUITE_P(Tables, TablesLines, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(TablesLines, CellIndexOutsideTheVariablesIsLeftOut) {
    CXTab1WayTabData tab;
    tab.Page<CXTab1WayData>() = OneWay();
    auto& cells = tab.Page<CXtabCellStatisticsData>();
    cells.RangeCheck = cells.SumCheck = cells.MeanCheck = 1;
    cells.RangeCombo = 2;  // two numeric variables
    cells.SumCombo = -1;
    CCmdList lines;
    tab.Page<CXTab1WayData>().GetCommandInfoList(lines);
    cells.GetCommandInfoList(lines);
    EXPECT_TRUE(lines.back().GetCommand().str().ends_with(L"TABULATE A / MEAN = V"))
        << lines.back().GetCommand().ToUtf8();
}

TEST_F(TablesLines, LogLinearUnknownModelKindIsReported) {
    CLogLinData r;
    r.ModelRadio = 5;
    EXPECT_EQ(LinesOf(r)[1], L"MODEL  = ");
    EXPECT_EQ(host.assertions.size(), 1u);
}

TEST_F(TablesLines, MeasuresPageReachesItsTwoWayComposite) {
    CXTab2WayTabData tab;
    CXTab2WayTabData copy(tab);
    CXTab2WayTabData* parent = nullptr;
    copy.Page<CStats2WayData>().GetParent(parent);
    EXPECT_EQ(parent, &copy);
    CXtabMultiwayTabData standardized;
    standardized.Page<CStats2WayData>().GetParent(parent);
    EXPECT_EQ(parent, nullptr);
    EXPECT_EQ(host.assertions.size(), 1u);
}

}  // namespace
