// The probability calculator and what it stands on: the distribution manager's archive, the record's
// value width, the computation and its formats, the plot lines and pictures, the service's edge cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

#include "ArchiveTestUtil.h"
#include "DialogTestUtil.h"
#include "FakeHost.h"
#include "Msg/Launcher.h"
#include "Numerics/NumericalService.h"
#include "Private/ProbabilityDlg.h"
#include "RecordTestUtil.h"
#include "TvkDlgBase/DistribFacts.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/ResourceTables.h"
#include "numerics/Deadline.h"

namespace {

TEST(DistribManagerData, ArchiveBytes) {
    CDistribManagerData data;
    data.SetActiveType(23);
    data.Values(23) = {10, 0.3};
    data.Values(9) = {0.5, 2};
    // Version, the chosen type, then each type in ascending order with its values.
    const Bytes bytes = ExpectedArchive()
                            .Int(1)
                            .Int(23)
                            .Count(2)
                            .Int(9)
                            .Count(2)
                            .Double(0.5)
                            .Double(2)
                            .Int(23)
                            .Count(2)
                            .Double(10)
                            .Double(0.3)
                            .bytes();
    EXPECT_EQ(Hex(Store(data)), Hex(bytes));
    CDistribManagerData loaded;
    CArchive ar(bytes);
    loaded.Serialize(ar);
    EXPECT_EQ(loaded, data);
}

struct Calculator {
    FakeHost host;
    CProbabilityData* record = nullptr;
    // Opens the calculator of `command`, runs the actions and cancels.
    void Run(UINT command, const std::function<void(CProbabilityDlg&)>& actions) {
        ScriptedDriver driver([&](CGUIBaseDlg& dlg) {
            actions(dynamic_cast<CProbabilityDlg&>(dlg));
            return IDCANCEL;
        });
        host.menuBar.SetItem(command,
                             {L"Monte Carlo", L"Probability", command == 1056 ? L"Continuous" : L"Discrete"});
        LaunchDialog<CProbabilityData, CProbabilityDlg>(&host, command, command == 1056 ? 2249 : 2250);
        record = dynamic_cast<CProbabilityData*>(host.records[command]);
    }
};

void Choose(CProbabilityDlg& dlg, const wchar_t* name, int function, const wchar_t* value) {
    auto& combo = dlg.Ctrl(CDistribManager::kDistribCombo);
    for (std::size_t i = 0; i < combo.m_comboItems.size(); ++i)
        if (combo.m_comboItems[i] == name)
            dlg.UserCombo(CDistribManager::kDistribCombo, static_cast<int>(i));
    dlg.UserRadio(CRadioUtil::GetRadioControl(CProbabilityData::kFunctionRadio, function));
    dlg.UserTypeText(CProbabilityDlg::IDC_VALUE_EDIT, value);
}

std::wstring Row(const CProbabilityDlg& dlg, std::size_t row) {
    return std::wstring(dlg.GetResultRows().at(row).second.str());
}

TEST(ProbabilityCalculator, NormalCumulativeFormatsAndPlotLines) {
    Calculator c;
    c.Run(1056, [](CProbabilityDlg& dlg) {
        Choose(dlg, L"Normal", CProbabilityData::FunctionCF, L"1.96");
        ASSERT_TRUE(dlg.OnOK());
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(dlg.GetCtrlWindowText(CProbabilityDlg::IDC_RESULT_EDIT), L"0.9750021049");
        EXPECT_EQ(Row(dlg, 1), L"0, 1");
        EXPECT_EQ(Row(dlg, 2), L"1.960000");
        EXPECT_EQ(Row(dlg, 4), L"0.9750021049");
        // A cumulative value below 0.1: "%e" in the table, ten decimals in the edit.
        dlg.UserTypeText(CProbabilityDlg::IDC_VALUE_EDIT, L"-1.6448536269514722");
        ASSERT_TRUE(dlg.OnOK());
        EXPECT_EQ(dlg.GetCtrlWindowText(CProbabilityDlg::IDC_RESULT_EDIT), L"0.0500000000");
        EXPECT_EQ(Row(dlg, 4), L"5.000000e-02");
        const auto png = std::filesystem::path(DLGSTAT1_BUILD_DIR) / "probability-continuous.png";
        EXPECT_TRUE(dlg.WritePicture(png.string()));
        dlg.UserRadio(
            CRadioUtil::GetRadioControl(CProbabilityData::kFunctionRadio, CProbabilityData::FunctionUpper));
        ASSERT_TRUE(dlg.OnOK());
    });
    const auto lines = LinesOf(*c.record);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(
        lines[0],
        L"fplot y = normdf(x ,0.0,1.0); xmin = -3.090 xmax = 3.090 xlimit = -1.645 ymin = 0 ymax = 0.439 ");
    EXPECT_EQ(lines[1],
              L"fplot y =1- normcf(x ,0.0,1.0); xmin = -3.090 xmax = 3.090 xlimit = -1.645 ylimit = 0.950 "
              L"ymin = 0 ymax = 1");
}

TEST(ProbabilityCalculator, DiscreteValueWidthLinesAndPicture) {
    Calculator c;
    c.Run(1057, [](CProbabilityDlg& dlg) {
        dlg.UserTypeText(CDistribManager::kEditBase + 1, L"10");
        Choose(dlg, L"Binomial", CProbabilityData::FunctionDF, L"3");
        dlg.UserTypeText(CDistribManager::kEditBase + 1, L"10");
        dlg.UserTypeText(CDistribManager::kEditBase + 2, L"0.3");
        ASSERT_TRUE(dlg.OnOK());
        EXPECT_EQ(Row(dlg, 2), L"3");
        EXPECT_TRUE(dlg.WritePicture(
            (std::filesystem::path(DLGSTAT1_BUILD_DIR) / "probability-discrete.png").string()));
    });
    EXPECT_TRUE(LinesOf(*c.record).empty());
    // DF: the value as 4 bytes after the base part and the variant identifier; IF: 8 bytes.
    const Bytes df = Store(*c.record);
    ExpectedArchive head;
    head.Base().Int(2250);
    ASSERT_GT(df.size(), head.bytes().size() + 4);
    EXPECT_EQ(Hex(Bytes(df.begin() + 12, df.begin() + 16)), "03 00 00 00");
    c.record->FunctionRadio = CProbabilityData::FunctionIF;
    c.record->Value = 0.25;
    const Bytes inverse = Store(*c.record);
    EXPECT_EQ(inverse.size(), df.size() + 4);
    EXPECT_EQ(Hex(Bytes(inverse.begin() + 12, inverse.begin() + 20)), "00 00 00 00 00 00 d0 3f");
    // A value no int holds (a store's missing value, an inverse beyond the range) is kept as the edit
    // shows it, not converted out of range.
    c.record->FunctionRadio = CProbabilityData::FunctionCF;
    for (const auto& [value, kept] :
         {std::pair{static_cast<double>(NAN), "00 00 00 00"}, std::pair{1e300, "ff ff ff 7f"}}) {
        c.record->Value = value;
        const Bytes whole = Store(*c.record);
        EXPECT_EQ(Hex(Bytes(whole.begin() + 12, whole.begin() + 16)), kept);
    }
}

TEST(ProbabilityCalculator, BetaCapAndSupportRefusal) {
    Calculator c;
    c.Run(1056, [&](CProbabilityDlg& dlg) {
        Choose(dlg, L"Beta", CProbabilityData::FunctionCF, L"1.0");
        ASSERT_TRUE(dlg.OnOK());
        EXPECT_EQ(dlg.GetCtrlWindowText(CProbabilityDlg::IDC_RESULT_EDIT), L"1.0000000000");
        // Another function at a value outside the support: nothing of the last computation stays.
        dlg.UserRadio(
            CRadioUtil::GetRadioControl(CProbabilityData::kFunctionRadio, CProbabilityData::FunctionDF));
        dlg.UserTypeText(CProbabilityDlg::IDC_VALUE_EDIT, L"0");
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(dlg.GetCtrlWindowText(CProbabilityDlg::IDC_RESULT_EDIT), L"");
        EXPECT_TRUE(dlg.GetResultRows().empty());
        EXPECT_FALSE(dlg.WritePicture((std::filesystem::path(DLGSTAT1_BUILD_DIR) / "refused.png").string()));
    });
    EXPECT_EQ(c.record->Plot.xLimit, 0.996);
    ASSERT_EQ(c.host.messages.size(), 1u);
    EXPECT_EQ(c.host.messages[0], std::wstring(GetString(12973).str()));
}

// The shaded region stands for the probability the function measures: its area is the integral of the
// density over the measured side of the value, from the plotted range's first point (the curve sampled
// as the calculator samples it: 41 points from the 0.001 to the 0.999 quantile).
TEST(ProbabilityPlot, ShadedAreaIsTheIntegralItStandsFor) {
    CNumericalService service;
    struct Case {
        const char* name;
        int type;
        std::vector<double> parameters;
        double limit;
        bool upperTail;
        double tolerance;  // of the trapezoids on a curved density
    };
    const Case cases[] = {
        {"uniform up to 0.3: a 0.3 x 1 rectangle", NmsEnum::UNIFORM, {0, 1}, 0.3, false, 1e-12},
        {"uniform from 0.3 up", NmsEnum::UNIFORM, {0, 1}, 0.3, true, 1e-12},
        {"exponential up to 1", NmsEnum::EXP, {0, 1}, 1.0, false, 4e-3},
        {"exponential from 1 up", NmsEnum::EXP, {0, 1}, 1.0, true, 4e-3},
        {"normal up to a point between samples", NmsEnum::NORMAL, {0, 1}, 0.123, false, 4e-3},
        {"below the plotted range", NmsEnum::NORMAL, {0, 1}, -10, false, 0},
        {"beyond the plotted range", NmsEnum::NORMAL, {0, 1}, 10, false, 4e-3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = service.CreateDistribution(c.type);
        ASSERT_TRUE(d && d->SetParameters(c.parameters));
        const double low = d->Inverse(0.001), high = d->Inverse(0.999);
        std::vector<std::pair<double, double>> curve;
        for (int i = 0; i <= CProbabilityDlg::kPlotSteps; ++i) {
            const double x = low + (high - low) * i / CProbabilityDlg::kPlotSteps;
            curve.emplace_back(x, d->Density(x));
        }
        const auto region = CProbabilityDlg::ShadedRegion(curve, c.limit, c.upperTail);
        double area = 0;
        for (std::size_t i = 0; i < region.size(); ++i) {
            const auto& [x0, y0] = region[i];
            const auto& [x1, y1] = region[(i + 1) % region.size()];
            area += x0 * y1 - x1 * y0;
        }
        area = std::abs(area) / 2;
        const double limit = std::clamp(c.limit, low, high);
        const double want = c.upperTail ? d->Cumulative(high) - d->Cumulative(limit)
                                        : d->Cumulative(limit) - d->Cumulative(low);
        EXPECT_NEAR(area, want, c.tolerance + 1e-12);
    }
}

TEST(ProbabilityPlot, AxesTakeRoundTicks) {
    struct Case {
        double low, high;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {0.001, 0.999, {0.2, 0.4, 0.6, 0.8}},    {0, 1.1, {0, 0.2, 0.4, 0.6, 0.8, 1.0}},
        {-3.09, 3.09, {-3, -2, -1, 0, 1, 2, 3}}, {0, 0.4393, {0, 0.1, 0.2, 0.3, 0.4}},
        {0, 12.5, {0, 2, 4, 6, 8, 10, 12}},      {1, 1, {}},
    };
    for (const Case& c : cases) {
        const auto ticks = CProbabilityDlg::AxisTicks(c.low, c.high);
        ASSERT_EQ(ticks.size(), c.ticks.size()) << c.low << " " << c.high;
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i], c.ticks[i], 1e-12) << c.low << " " << c.high;
    }
}

// The plot command reads a point: under a comma decimal symbol the parameters keep it (the value
// typed with a comma), and a value typed in full comes back in full.
TEST(ProbabilityCalculator, PlotParametersKeepThePointUnderADecimalComma) {
    Calculator c;
    c.host.decimal = L',';
    c.Run(1056, [](CProbabilityDlg& dlg) {
        Choose(dlg, L"Normal", CProbabilityData::FunctionDF, L"1,234567891");
        dlg.UserTypeText(CDistribManager::kEditBase + 1, L"1,5");
        dlg.UserTypeText(CDistribManager::kEditBase + 2, L"2,5");
        ASSERT_TRUE(dlg.OnOK());
    });
    EXPECT_EQ(LinesOf(*c.record).at(0).substr(0, 33), L"fplot y = normdf(x ,1.5,2.5); xmi");
    c.Run(1056, [](CProbabilityDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(CProbabilityDlg::IDC_VALUE_EDIT), L"1,234567891");
    });
}

// Where the calculator's value may lie: both sides of every bound, from the table of distributions.
struct SupportCase {
    int type;
    std::vector<double> p;
    double x;
    bool accepted;
};

TEST(ProbabilityCalculator, ValueSupportBothSidesOfEachBound) {
    FakeHost host;
    const SupportCase cases[] = {
        {0, {1, 2}, 1, true},        {0, {1, 2}, 0.999, false},    {0, {1, 2}, 2, true},
        {0, {1, 2}, 2.001, false},   {1, {2, 2}, 1, true},         {1, {2, 2}, 0, false},
        {1, {2, 2}, 1.001, false},   {10, {1, 1}, 1e-300, true},   {10, {1, 1}, 0, false},
        {12, {1, 3}, 0, true},       {12, {1, 3}, -1e-300, false}, {16, {2, 1}, 2, true},
        {16, {2, 1}, 1.999, false},  {21, {10}, 1, true},          {21, {10}, 0, false},
        {21, {10}, 10, true},        {21, {10}, 11, false},        {22, {0}, 3, true},
        {22, {-1}, 3, false},        {23, {10, 0.5}, 0, true},     {23, {10, 0.5}, -1, false},
        {23, {10, 0.5}, 10, true},   {23, {10, 0.5}, 11, false},   {26, {20, 18, 5}, 3, true},
        {26, {20, 18, 5}, 2, false}, {26, {20, 18, 5}, 5, true},   {26, {20, 18, 5}, 6, false},
        {27, {2}, 1, true},          {27, {2}, 0.999, false},      {35, {10}, 9, true},
        {35, {10}, 10, false},       {9, {0, 1}, -1e300, true},
    };
    for (const SupportCase& c : cases) {
        const CString refused = FindDistribFact(c.type)->CheckValue(c.p, c.x);
        EXPECT_EQ(refused.IsEmpty(), c.accepted) << c.type << " at " << c.x;
    }
    EXPECT_EQ(FindDistribFact(0)->CheckValue({1, 2}, 3), L"The value must lie in [1, 2]");
    EXPECT_EQ(FindDistribFact(16)->ValueRangeText(), GetString(12978));
    EXPECT_EQ(FindDistribFact(35)->ValueRangeText(), L"{1, 2, ..B-1}");
}

// What the service gives where the calculator can ask anything: no exception, a missing value.
TEST(NumericalService, EdgesGiveMissingValuesNotExceptions) {
    CNumericalService service;
    INumericalService& host = service;
    auto f = host.CreateDistribution(NmsEnum::F);
    ASSERT_TRUE(f->SetParameters(std::vector<double>{10, 10}));
    EXPECT_DOUBLE_EQ(f->Inverse(0.5), 1.0);
    for (double p : {0.0, 1.0, -0.5, 2.0, std::nan("")})
        EXPECT_TRUE(host.IsMissing(f->Inverse(p))) << p;
    EXPECT_EQ(f->Density(-1), 0.0);
    EXPECT_EQ(f->Cumulative(-1), 0.0);
    EXPECT_EQ(f->UpperTail(-1), 1.0);
    auto binomial = host.CreateDistribution(NmsEnum::BINOMIAL);
    ASSERT_TRUE(binomial->SetParameters(std::vector<double>{10, 0.3}));
    EXPECT_EQ(binomial->Cumulative(2.9), binomial->Cumulative(2));
    EXPECT_EQ(binomial->Density(2.5), binomial->Density(2));
    EXPECT_FALSE(binomial->SetParameters(std::vector<double>{10, 1.5}));
    EXPECT_TRUE(host.IsMissing(binomial->Cumulative(1)));
    auto beta = host.CreateDistribution(NmsEnum::BETA);
    ASSERT_TRUE(beta->SetParameters(std::vector<double>{0.5, 0.5}));
    EXPECT_LT(beta->UpperTail(1e-21), 1.0);
    EXPECT_EQ(host.CreateDistribution(28), nullptr);
}

}  // namespace

// A discrete law whose plotted range holds billions of integers: the plot samples a few hundred of them,
// so the compute ends (it used to walk every integer until memory ran out).
TEST(ProbabilityCalculator, DiscretePlotOfAHugeRangeEnds) {
    using namespace std::chrono_literals;
    const struct {
        int index;  // in the discrete calculator's list
        std::vector<const wchar_t*> parameters;
        int function;
        const wchar_t* value;
    } rows[] = {
        {4, {L"1e-9"}, CProbabilityData::FunctionCF, L"3"},        // geometric
        {8, {L"0.999999"}, CProbabilityData::FunctionDF, L"1"},    // log series
        {0, {L"2147483647"}, CProbabilityData::FunctionDF, L"5"},  // discrete uniform
        {7, {L"2147483647"}, CProbabilityData::FunctionCF, L"5"},  // Benford
    };
    for (const auto& r : rows)
        EXPECT_TRUE(FinishesWithin(10s, [&] {
            Calculator c;
            bool computed = false;
            c.Run(1057, [&](CProbabilityDlg& dlg) {
                dlg.UserCombo(CDistribManager::kDistribCombo, r.index);
                for (std::size_t i = 0; i < r.parameters.size(); ++i)
                    dlg.UserTypeText(CDistribManager::kEditBase + 1 + static_cast<UINT>(i), r.parameters[i]);
                dlg.UserRadio(CRadioUtil::GetRadioControl(CProbabilityData::kFunctionRadio, r.function));
                dlg.UserTypeText(CProbabilityDlg::IDC_VALUE_EDIT, r.value);
                computed = dlg.OnOK();
            });
            return computed && !c.record->Plot.missing;
        })) << r.index;
}
