// Dialogs of ARIMA, exponential smoothing and seasonal adjustment, driven through the time-series menu
// group: the ranges the scenarios leave out, defaults on reset and reopening, and what OK stores. The
// enabling rules are the timeseries1_* scenarios'.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogTestUtil.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/ArimaDlg.h"
#include "Private/ExponentialDlg.h"

namespace {

// A host with 30 cases of two numeric series and a string variable.
class TimeSeriesDialogs1 : public MenuDialogs<CTimeSeriesMsg> {
protected:
    TimeSeriesDialogs1() {
        host.data.cases = 30;
        host.data.AddNumeric(L"Sales");
        host.data.AddNumeric(L"Cost");
        host.data.AddString(L"Region");
    }
};

// ---- ranges -----------------------------------------------------------------------------------------

// What opens an edit or sets its bounds: a click on a check or radio, a text typed, a combo item chosen.
struct Step {
    Step(UINT control) : id(control) {}
    Step(UINT control, const wchar_t* typed) : id(control), text(typed) {}
    Step(UINT control, int item) : id(control), combo(item) {}
    void Run(CGUIBaseDlg& dlg) const {
        if (text)
            dlg.UserTypeText(id, text);
        else if (combo >= 0)
            dlg.UserCombo(id, combo);
        else
            dlg.UserClick(id);
    }
    UINT id;
    const wchar_t* text = nullptr;
    int combo = -1;
};

struct RangeCase {
    UINT command;
    std::vector<Step> steps;
    UINT edit;
    const wchar_t* text;
    const wchar_t* refusal;  // the status-bar text of a refused OK; null when OK passes
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.command << " edit " << c.edit << " \"" << CString(c.text).ToUtf8() << "\"";
}

class TimeSeriesDialogs1Ranges : public TimeSeriesDialogs1,
                                 public ::testing::WithParamInterface<RangeCase> {};

TEST_P(TimeSeriesDialogs1Ranges, AcceptOrRefuseWithTheRangeInTheStatusBar) {
    const RangeCase& c = GetParam();
    bool accepted = false;
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        for (const Step& step : c.steps)
            step.Run(dlg);
        EXPECT_TRUE(dlg.IsCtrlEnabled(c.edit));
        dlg.UserTypeText(c.edit, c.text);
        accepted = dlg.OnOK();
        if (!accepted) {
            EXPECT_EQ(dlg.GetFocusCtrl(), c.edit);
            EXPECT_EQ(dlg.Ctrl(c.edit).m_color, kColorInvalid);
        }
        return IDCANCEL;
    });
    EXPECT_EQ(accepted, c.refusal == nullptr);
    if (c.refusal) {
        EXPECT_EQ(LastStatus(), c.refusal);
    }
    EXPECT_TRUE(host.assertions.empty());
}

constexpr const wchar_t* kPass = nullptr;

// 30 cases throughout.
const RangeCase kArimaRanges[] = {
    {1040, {}, 1116, L"0", L"Enter a number in [1, +inf)"},
    // A marked order still at its default is not checked, whatever it holds.
    {1040, {1130}, 1131, L"0", kPass},
    {1040, {1139}, 1140, L"1000", kPass},
    {1040, {}, 1127, L"0", L"Enter a number in [1, +inf)"},
    {1040, {}, 1145, L"0", L"Enter a number in (0, 0.1]"},
    {1040, {}, 1145, L"0.1", kPass},
    {1040, {}, 1145, L"0.1001", L"Enter a number in (0, 0.1]"},
    // The numeric edits refuse a minus sign, decimal ones included.
    {1040, {}, 1145, L"-0.05", L"Enter a number"},
    {1040, {}, 1117, L"0", kPass},
    {1040, {}, 1117, L"-1", L"Enter a number"},
    {1040, {1120}, 1123, L"30", kPass},
    {1040, {1120}, 1123, L"31", L"Enter a number in [1, 30]"},
    {1040, {1120, 1122}, 1121, L"31", L"Enter a number in [1, 30]"},
    {1040, {1120, 1122}, 1121, L"30", kPass},
    {1040, {1137}, 1142, L"30", kPass},
    {1040, {1139}, 1142, L"31", L"Enter a number in [1, 30]"},
    {1040, {1139}, 1142, L"0", L"Enter a number in [1, 30]"},
};

const RangeCase kExponentialRanges[] = {
    {1044, {}, 1813, L"0", kPass},
    {1044, {}, 1813, L"1", L"Enter a number in [0, 1)"},
    {1044, {1816}, 1817, L"0.99", kPass},
    {1044, {1816}, 1817, L"1", L"Enter a number in [0, 1)"},
    {1044, {1816, 1819}, 1799, L"1.5", L"Enter a number in [0, 1)"},
    {1044, {1804}, 1803, L"1", L"Enter a number in [0, 1)"},
    {1044, {1804, 1810}, 1806, L"-0.1", L"Enter a number"},
    {1044, {1791}, 1797, L"0", L"Enter a number in [1, +inf)"},
    {1044, {1791}, 1797, L"500", kPass},
    {1044, {1791, 1793}, 1792, L"0", L"Enter a number in [1, +inf)"},
    {1044, {1804, 1807}, 1808, L"1", L"Enter a number in [2, 10]"},
    {1044, {1804, 1807}, 1808, L"10", kPass},
    {1044, {1804, 1807}, 1808, L"11", L"Enter a number in [2, 10]"},
};

// Transformation, time labels and trend analysis; the scenarios hold the other bounds.
const RangeCase kOtherRanges[] = {
    {1053, {{5264, 1}}, 5258, L"0", L"Enter a number in [1, 30]"},
    {1053, {{5264, 6}}, 5262, L"1.01", L"Enter a number in (0, 1]"},
    {1053, {{5264, 6}}, 5262, L"1", kPass},
    {1051, {}, 5245, L"9981", L"Enter a number in [1900, 9980]"},
    {1051, {}, 5245, L"-1950", L"Enter a number"},
    {1051, {}, 5245, L"1900", kPass},
    {1051, {}, 5245, L"9980", kPass},
    {1051, {{5248, L"12"}}, 5242, L"12", kPass},
    {1085, {5303}, 5293, L"0", L"Enter a number in (0, 1)"},
    {1085, {5303}, 5293, L"0.999", kPass},
};

INSTANTIATE_TEST_SUITE_P(Arima, TimeSeriesDialogs1Ranges, ::testing::ValuesIn(kArimaRanges));
INSTANTIATE_TEST_SUITE_P(Exponential, TimeSeriesDialogs1Ranges, ::testing::ValuesIn(kExponentialRanges));
INSTANTIATE_TEST_SUITE_P(Others, TimeSeriesDialogs1Ranges, ::testing::ValuesIn(kOtherRanges));

// ---- every item launches its dialog ------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, EachItemOpensOnItsKeptRecordAndDefaultsPass) {
    const struct {
        UINT command;
        const wchar_t* line;
    } items[] = {{1040, L"ARIMA Sales / P=1"},
                 {1044, L"EXPONENTIAL Sales / SMOOTH =0.1"},
                 // 12 is capped at a third of the 30 rows, and no longer the default then.
                 {1049, L"ADJSEASON Sales / SEASON = 10"},
                 {1050, L"SMOOTH Sales / MEAN=3"}};
    for (const auto& item : items) {
        EXPECT_TRUE(Launch(item.command)) << item.command;
        EXPECT_EQ(host.runs.back().first, item.command);
        EXPECT_EQ(host.records.at(item.command)->GetVariantID(), 0u);
        EXPECT_EQ(LastLine(item.command), item.line);
    }
    EXPECT_TRUE(host.sentMessages.empty());
    EXPECT_TRUE(host.assertions.empty());
}

// ---- ARIMA ------------------------------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, ArimaMarkedOrderIsCheckedOnceTheUserChangedIt) {
    EXPECT_TRUE(Launch(1040, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1139);
        dlg.UserTypeText(1140, L"2");
        return IDOK;
    }));
    EXPECT_EQ(LastLine(1040), L"ARIMA Sales / P=1 QS=2");
    EXPECT_FALSE(Launch(1040, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(1140, L"0");
        return IDOK;
    }));
    EXPECT_EQ(LastStatus(), L"Enter a number in [1, +inf)");
}

TEST_F(TimeSeriesDialogs1, ArimaHugeStartLeftInAClosedRangeDoesNotUpsetTheEndCheck) {
    EXPECT_TRUE(Launch(1040, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1120);
        dlg.UserClick(1122);
        dlg.UserTypeText(1121, L"2147483647");
        EXPECT_FALSE(dlg.OnOK());
        dlg.UserClick(1124);
        dlg.UserTypeText(1123, L"3");
        return IDOK;
    }));
    EXPECT_EQ(LastLine(1040), L"ARIMA Sales / P=1 FORECAST=3");
}

TEST_F(TimeSeriesDialogs1, ArimaUntypedSeasonLengthIsCheckedOnlyWhenAllValuesAreWritten) {
    host.series.season = 40;  // above the 30 cases
    auto openWithSeasonalOrder = [&] {
        return Launch(1040, [&](CGUIBaseDlg& dlg) {
            dlg.UserCheck(1137, 1);
            dlg.UserTypeText(1138, L"1");
            return IDOK;
        });
    };
    EXPECT_TRUE(openWithSeasonalOrder());
    host.allValues = true;
    EXPECT_FALSE(openWithSeasonalOrder());
    EXPECT_EQ(LastStatus(), L"Enter a number in [1, 30]");
}

TEST_F(TimeSeriesDialogs1, ArimaResetGivesTheDeclaredDefaultsAndTheFirstSeries) {
    host.series.season = 7;
    Launch(1040, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(1142), L"7");
        dlg.UserSelectAll(1129);
        dlg.UserClick(1114);
        dlg.UserClick(1120);
        dlg.UserTypeText(1127, L"50");
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(Items(dlg, 1143), std::vector<std::wstring>{L"Sales"});
        // The declared season length, not the series module's.
        EXPECT_EQ(dlg.GetCtrlWindowText(1142), L"1");
        EXPECT_EQ(dlg.GetCtrlWindowText(1127), L"20");
        EXPECT_FALSE(dlg.IsCtrlChecked(1120));
        EXPECT_FALSE(dlg.IsCtrlEnabled(1123));
        EXPECT_TRUE(dlg.IsCtrlChecked(1124));
        return IDOK;
    });
    EXPECT_EQ(Kept<CArimaData>(1040).SeasonalPerEdit, CGUIData<int>(1));
    EXPECT_EQ(LastLine(1040), L"ARIMA Sales / P=1");
}

// ---- exponential smoothing ----------------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, ExponentialPeriodOpensAtTwelveForPeriodOneCappedAtAThirdOfTheRows) {
    auto openWithPeriod = [&](CString& shown) {
        return Launch(1044, [&](CGUIBaseDlg& dlg) {
            shown = dlg.GetCtrlWindowText(1808);
            dlg.UserCheck(1804, 1);
            dlg.UserCheck(1807, 1);
            return IDOK;
        });
    };
    CString shown;
    host.data.cases = 100;
    host.series.season = 1;
    EXPECT_TRUE(openWithPeriod(shown));
    EXPECT_EQ(shown, L"12");
    // 12 is not the series module's period: the clause is written untouched.
    EXPECT_EQ(LastLine(1044), L"EXPONENTIAL Sales / SEASON = 12 SMOOTH =0.1");

    host.data.cases = 30;
    host.series.season = 12;
    EXPECT_TRUE(openWithPeriod(shown));
    EXPECT_EQ(shown, L"10");
    EXPECT_EQ(LastLine(1044), L"EXPONENTIAL Sales / SEASON = 10 SMOOTH =0.1");

    host.series.season = 4;
    EXPECT_TRUE(openWithPeriod(shown));
    EXPECT_EQ(shown, L"4");
    EXPECT_EQ(LastLine(1044), L"EXPONENTIAL Sales / SMOOTH =0.1");
}

TEST_F(TimeSeriesDialogs1, ExponentialPeriodIsNotCheckedBelowSixRows) {
    host.data.cases = 5;
    EXPECT_TRUE(Launch(1044, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1804);
        dlg.UserClick(1807);
        dlg.UserTypeText(1808, L"50");
        return IDOK;
    }));
    EXPECT_EQ(LastLine(1044), L"EXPONENTIAL Sales / SEASON = 50 SMOOTH =0.1");
    host.data.cases = 6;
    EXPECT_FALSE(Launch(1044, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(1808, L"3");
        return IDOK;
    }));
    EXPECT_EQ(LastStatus(), L"Enter a number in [2, 2]");
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(TimeSeriesDialogs1, ExponentialResetRecomputesThePeriodAndKeepsTheFirstSeries) {
    Launch(1044, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelectAll(1796);
        dlg.UserClick(1789);
        dlg.UserClick(1816);
        dlg.UserTypeText(1813, L"0.5");
        host.series.season = 6;
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(Items(dlg, 1811), std::vector<std::wstring>{L"Sales"});
        EXPECT_EQ(dlg.GetCtrlWindowText(1808), L"6");
        EXPECT_EQ(dlg.GetCtrlWindowText(1813), L"0.1");
        EXPECT_FALSE(dlg.IsCtrlChecked(1816));
        EXPECT_FALSE(dlg.IsCtrlEnabled(1818));
        return IDCANCEL;
    });
    EXPECT_EQ(Kept<CExponentialData>(1044).SeasonPeriodEdit, CGUIData<int>(6));
}

// ---- seasonal adjustment --------------------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, SeasonalWithFewerThanSixRowsNoSeasonLengthPasses) {
    host.data.cases = 5;
    EXPECT_FALSE(Launch(1049, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(4321), L"1");
        for (const wchar_t* text : {L"1", L"2", L"12"}) {
            dlg.UserTypeText(4321, text);
            EXPECT_FALSE(dlg.OnOK()) << CString(text).ToUtf8();
        }
        return IDOK;
    }));
    EXPECT_FALSE(host.assertions.empty());
}

}  // namespace
