// Dialogs of ARIMA, exponential smoothing, seasonal adjustment and series smoothing, driven through the
// time-series menu group: ranges (of every time-series dialog), enabling rules, defaults on reset and
// reopening, and what OK stores.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogTestUtil.h"
#include "FakeHost.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/ArimaDlg.h"
#include "Private/ExponentialDlg.h"
#include "Private/SeasonalDlg.h"
#include "Private/SeriesSmoothDlg.h"

namespace {

using Actions = std::function<int(CGUIBaseDlg&)>;

// A host with 30 cases of two numeric series and a string variable.
class TimeSeriesDialogs1 : public ::testing::Test {
protected:
    TimeSeriesDialogs1() {
        host.data.cases = 30;
        host.data.AddNumeric(L"Sales");
        host.data.AddNumeric(L"Cost");
        host.data.AddString(L"Region");
    }

    // Chooses the menu item and runs `actions` on the dialog it opens; true when the dialog was accepted.
    bool Open(UINT command, Actions actions = {}) {
        ScriptedDriver driver(std::move(actions));
        CTimeSeriesMsg group(&host);
        const std::size_t before = host.runs.size();
        EXPECT_TRUE(group.OnTKCommand(command));
        EXPECT_EQ(driver.runs, 1);
        return host.runs.size() > before;
    }

    template <class Record>
    Record& Kept(UINT command) {
        auto* record = dynamic_cast<Record*>(host.records.at(command));
        EXPECT_NE(record, nullptr);
        return *record;
    }

    // The procedure's own line of the record kept under `command`.
    std::wstring Line(UINT command) {
        CCmdList lines;
        host.records.at(command)->GetCommandInfoList(lines);
        return lines.empty() ? std::wstring() : std::wstring(lines.back().GetCommand().str());
    }

    std::wstring LastStatus() const {
        return host.sentMessages.empty() ? L"" : host.sentMessages.back().second;
    }

    FakeHost host;
};

std::vector<CString> Names(const CGUIBaseDlg& dlg, UINT list) {
    std::vector<CString> names;
    for (const auto& v : dlg.ListCtrl(list).GetItems())
        names.push_back(v.GetVariableName());
    return names;
}

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
    Open(c.command, [&](CGUIBaseDlg& dlg) {
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

const RangeCase kSeasonalAndSmoothingRanges[] = {
    {1049, {}, 4321, L"1", L"Enter a number in [2, 10]"},
    {1049, {}, 4321, L"2", kPass},
    {1049, {}, 4321, L"11", L"Enter a number in [2, 10]"},
    {1050, {}, 4329, L"1", L"Enter a number in (1, 30]"},
    {1050, {}, 4329, L"30", kPass},
    {1050, {}, 4329, L"31", L"Enter a number in (1, 30]"},
    {1050, {4330}, 4331, L"1", L"Enter a number in (1, 30]"},
    {1050, {4330}, 4331, L"2", kPass},
};

// Transformation, time labels, Fourier analysis, trend analysis and lowess.
const RangeCase kOtherRanges[] = {
    {1053, {}, 5260, L"31", L"Enter a number in [1, 30]"},
    {1053, {}, 5260, L"30", kPass},
    {1053, {{5264, 1}}, 5258, L"0", L"Enter a number in [1, 30]"},
    {1053, {{5264, 6}}, 5262, L"0", L"Enter a number in (0, 1]"},
    {1053, {{5264, 6}}, 5262, L"1.01", L"Enter a number in (0, 1]"},
    {1053, {{5264, 6}}, 5262, L"1", kPass},
    {1051, {}, 5245, L"1899", L"Enter a number in [1900, 9980]"},
    {1051, {}, 5245, L"9981", L"Enter a number in [1900, 9980]"},
    {1051, {}, 5245, L"-1950", L"Enter a number"},
    {1051, {}, 5245, L"1900", kPass},
    {1051, {}, 5245, L"9980", kPass},
    {1051, {{5248, L"12"}}, 5242, L"13", L"Enter a number in [1, 12]"},
    {1051, {{5248, L"12"}}, 5242, L"12", kPass},
    // At most half the cases plus one.
    {1045, {}, 1915, L"17", L"Enter a number in [1, 16]"},
    {1045, {}, 1915, L"16", kPass},
    {1085, {5303}, 5293, L"1.0", L"Enter a number in (0, 1)"},
    {1085, {5303}, 5293, L"0", L"Enter a number in (0, 1)"},
    {1085, {5303}, 5293, L"0.999", kPass},
    {1047, {}, 2742, L"1.01", L"Enter a number in [0, 1]"},
    {1047, {}, 2742, L"0", kPass},
    {1047, {}, 2742, L"1", kPass},
};

INSTANTIATE_TEST_SUITE_P(Arima, TimeSeriesDialogs1Ranges, ::testing::ValuesIn(kArimaRanges));
INSTANTIATE_TEST_SUITE_P(Exponential, TimeSeriesDialogs1Ranges, ::testing::ValuesIn(kExponentialRanges));
INSTANTIATE_TEST_SUITE_P(SeasonalAndSmoothing, TimeSeriesDialogs1Ranges,
                         ::testing::ValuesIn(kSeasonalAndSmoothingRanges));
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
        EXPECT_TRUE(Open(item.command)) << item.command;
        EXPECT_EQ(host.runs.back().first, item.command);
        EXPECT_EQ(host.records.at(item.command)->GetDialogID(), 0u);
        EXPECT_EQ(Line(item.command), item.line);
    }
    EXPECT_TRUE(host.sentMessages.empty());
    EXPECT_TRUE(host.assertions.empty());
}

// ---- ARIMA ------------------------------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, ArimaEnablingFollowsTheChecksAndTheForecastKind) {
    Open(1040, [&](CGUIBaseDlg& dlg) {
        auto enabled = [&](std::initializer_list<UINT> ids) {
            std::vector<UINT> on;
            for (UINT id : ids)
                if (dlg.IsCtrlEnabled(id))
                    on.push_back(id);
            return on;
        };
        using V = std::vector<UINT>;
        const auto all = {1116u, 1138u, 1131u, 1140u, 1142u, 1147u, 1124u, 1122u, 1123u, 1121u, 1125u, 1136u};
        EXPECT_EQ(enabled(all), V{1116});
        dlg.UserClick(1115);
        dlg.UserClick(1137);
        EXPECT_EQ(enabled(all), (V{1138, 1142, 1147}));
        dlg.UserClick(1137);
        dlg.UserClick(1139);
        EXPECT_EQ(enabled(all), (V{1140, 1142, 1147}));
        dlg.UserClick(1139);
        dlg.UserClick(1130);
        // The season check takes no part in any rule.
        dlg.UserClick(1141);
        EXPECT_EQ(enabled(all), V{1131});
        dlg.UserClick(1130);
        dlg.UserClick(1120);
        EXPECT_EQ(enabled(all), (V{1124, 1122, 1123}));
        dlg.UserClick(1122);
        EXPECT_EQ(enabled(all), (V{1124, 1122, 1121, 1125}));
        dlg.UserClick(1120);
        dlg.UserClick(1135);
        EXPECT_EQ(enabled(all), V{1136});
        return IDCANCEL;
    });
}

TEST_F(TimeSeriesDialogs1, ArimaMarkedOrderIsCheckedOnceTheUserChangedIt) {
    EXPECT_TRUE(Open(1040, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1139);
        dlg.UserTypeText(1140, L"2");
        return IDOK;
    }));
    EXPECT_EQ(Line(1040), L"ARIMA Sales / P=1 QS=2");
    EXPECT_FALSE(Open(1040, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(1140, L"0");
        return IDOK;
    }));
    EXPECT_EQ(LastStatus(), L"Enter a number in [1, +inf)");
}

TEST_F(TimeSeriesDialogs1, ArimaForecastEndMustLieAfterItsStartWithinOneDataLength) {
    std::vector<bool> results;
    EXPECT_TRUE(Open(1040, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1120);
        dlg.UserClick(1122);
        dlg.UserTypeText(1121, L"5");
        for (const wchar_t* to : {L"5", L"36"}) {
            dlg.UserTypeText(1125, to);
            EXPECT_FALSE(dlg.OnOK()) << CString(to).ToUtf8();
            EXPECT_EQ(LastStatus(), L"Enter a number in (5, 35]");
        }
        dlg.UserTypeText(1125, L"35");
        return IDOK;
    }));
    EXPECT_EQ(Line(1040), L"ARIMA Sales / P=1 FORECAST=5..35");
}

TEST_F(TimeSeriesDialogs1, ArimaHugeStartLeftInAClosedRangeDoesNotUpsetTheEndCheck) {
    EXPECT_TRUE(Open(1040, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1120);
        dlg.UserClick(1122);
        dlg.UserTypeText(1121, L"2147483647");
        EXPECT_FALSE(dlg.OnOK());
        dlg.UserClick(1124);
        dlg.UserTypeText(1123, L"3");
        return IDOK;
    }));
    EXPECT_EQ(Line(1040), L"ARIMA Sales / P=1 FORECAST=3");
}

TEST_F(TimeSeriesDialogs1, ArimaTypedSeasonLengthWritesTheSeasonAndReopeningTakesTheSeriesPeriodAgain) {
    EXPECT_TRUE(Open(1040, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(1142), L"12");
        dlg.UserClick(1137);
        dlg.UserTypeText(1138, L"1");
        dlg.UserTypeText(1142, L"4");
        return IDOK;
    }));
    EXPECT_EQ(Line(1040), L"ARIMA Sales / P=1 PS=1 SEASON=4");
    EXPECT_EQ(Kept<CArimaData>(1040).SeasonalPerEdit.GetLast(), 0);

    host.series.season = 6;
    EXPECT_FALSE(Open(1040, [&](CGUIBaseDlg& dlg) {
        EXPECT_TRUE(dlg.IsCtrlChecked(1137));
        EXPECT_EQ(dlg.GetCtrlWindowText(1138), L"1");
        EXPECT_EQ(dlg.GetCtrlWindowText(1142), L"6");
        return IDCANCEL;
    }));
    // The period the series module gives is not the user's: no season clause.
    EXPECT_EQ(Line(1040), L"ARIMA Sales / P=1 PS=1");
}

TEST_F(TimeSeriesDialogs1, ArimaUntypedSeasonLengthIsCheckedOnlyWhenAllValuesAreWritten) {
    host.series.season = 40;  // above the 30 cases
    auto openWithSeasonalOrder = [&] {
        return Open(1040, [&](CGUIBaseDlg& dlg) {
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
    Open(1040, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(1142), L"7");
        dlg.UserSelectAll(1129);
        dlg.UserClick(1114);
        dlg.UserClick(1120);
        dlg.UserTypeText(1127, L"50");
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(Names(dlg, 1143), std::vector<CString>{L"Sales"});
        // The declared season length, not the series module's.
        EXPECT_EQ(dlg.GetCtrlWindowText(1142), L"1");
        EXPECT_EQ(dlg.GetCtrlWindowText(1127), L"20");
        EXPECT_FALSE(dlg.IsCtrlChecked(1120));
        EXPECT_FALSE(dlg.IsCtrlEnabled(1123));
        EXPECT_TRUE(dlg.IsCtrlChecked(1124));
        return IDOK;
    });
    EXPECT_EQ(Kept<CArimaData>(1040).SeasonalPerEdit, CGUIData<int>(1));
    EXPECT_EQ(Line(1040), L"ARIMA Sales / P=1");
}

// ---- exponential smoothing ----------------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, ExponentialEnablingFollowsTheComponentsAndTheirKinds) {
    Open(1044, [&](CGUIBaseDlg& dlg) {
        auto enabled = [&](std::initializer_list<UINT> ids) {
            std::vector<UINT> on;
            for (UINT id : ids)
                if (dlg.IsCtrlEnabled(id))
                    on.push_back(id);
            return on;
        };
        using V = std::vector<UINT>;
        const auto all = {1818u, 1819u, 1817u, 1799u, 1809u, 1810u, 1807u, 1803u, 1806u,
                          1798u, 1793u, 1797u, 1792u, 1794u, 1795u, 1808u, 1802u};
        EXPECT_EQ(enabled(all), V{});
        EXPECT_TRUE(dlg.IsCtrlEnabled(1813));
        dlg.UserClick(1816);
        EXPECT_EQ(enabled(all), (V{1818, 1819, 1817}));
        dlg.UserClick(1819);
        EXPECT_EQ(enabled(all), (V{1818, 1819, 1799}));
        dlg.UserClick(1816);
        dlg.UserClick(1804);
        EXPECT_EQ(enabled(all), (V{1809, 1810, 1807, 1803}));
        dlg.UserClick(1810);
        dlg.UserClick(1807);
        EXPECT_EQ(enabled(all), (V{1809, 1810, 1807, 1806, 1808}));
        // The period edit follows its own check, even once the seasonal component is off.
        dlg.UserClick(1804);
        EXPECT_EQ(enabled(all), V{1808});
        dlg.UserClick(1791);
        EXPECT_EQ(enabled(all), (V{1798, 1793, 1797, 1808}));
        dlg.UserClick(1793);
        EXPECT_EQ(enabled(all), (V{1798, 1793, 1792, 1794, 1795, 1808}));
        dlg.UserClick(1801);
        EXPECT_TRUE(dlg.IsCtrlEnabled(1802));
        return IDCANCEL;
    });
}

TEST_F(TimeSeriesDialogs1, ExponentialPeriodOpensAtTwelveForPeriodOneCappedAtAThirdOfTheRows) {
    auto openWithPeriod = [&](CString& shown) {
        return Open(1044, [&](CGUIBaseDlg& dlg) {
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
    EXPECT_EQ(Line(1044), L"EXPONENTIAL Sales / SEASON = 12 SMOOTH =0.1");

    host.data.cases = 30;
    host.series.season = 12;
    EXPECT_TRUE(openWithPeriod(shown));
    EXPECT_EQ(shown, L"10");
    EXPECT_EQ(Line(1044), L"EXPONENTIAL Sales / SEASON = 10 SMOOTH =0.1");

    host.series.season = 4;
    EXPECT_TRUE(openWithPeriod(shown));
    EXPECT_EQ(shown, L"4");
    EXPECT_EQ(Line(1044), L"EXPONENTIAL Sales / SMOOTH =0.1");
}

TEST_F(TimeSeriesDialogs1, ExponentialPeriodIsNotCheckedBelowSixRows) {
    host.data.cases = 5;
    EXPECT_TRUE(Open(1044, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1804);
        dlg.UserClick(1807);
        dlg.UserTypeText(1808, L"50");
        return IDOK;
    }));
    EXPECT_EQ(Line(1044), L"EXPONENTIAL Sales / SEASON = 50 SMOOTH =0.1");
    host.data.cases = 6;
    EXPECT_FALSE(Open(1044, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(1808, L"3");
        return IDOK;
    }));
    EXPECT_EQ(LastStatus(), L"Enter a number in [2, 2]");
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(TimeSeriesDialogs1, ExponentialForecastEndEqualToItsStartIsRefused) {
    EXPECT_TRUE(Open(1044, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(1791);
        dlg.UserClick(1793);
        dlg.UserTypeText(1792, L"40");
        dlg.UserTypeText(1794, L"40");
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(LastStatus(), L"Enter a number in (40, +inf)");
        // No upper bound: far beyond the data is fine.
        dlg.UserTypeText(1794, L"1000");
        return IDOK;
    }));
    EXPECT_EQ(Line(1044), L"EXPONENTIAL Sales / FORECAST = 40..1000 SMOOTH =0.1");
}

TEST_F(TimeSeriesDialogs1, ExponentialResetRecomputesThePeriodAndKeepsTheFirstSeries) {
    Open(1044, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelectAll(1796);
        dlg.UserClick(1789);
        dlg.UserClick(1816);
        dlg.UserTypeText(1813, L"0.5");
        host.series.season = 6;
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(Names(dlg, 1811), std::vector<CString>{L"Sales"});
        EXPECT_EQ(dlg.GetCtrlWindowText(1808), L"6");
        EXPECT_EQ(dlg.GetCtrlWindowText(1813), L"0.1");
        EXPECT_FALSE(dlg.IsCtrlChecked(1816));
        EXPECT_FALSE(dlg.IsCtrlEnabled(1818));
        return IDCANCEL;
    });
    EXPECT_EQ(Kept<CExponentialData>(1044).SeasonPeriodEdit, CGUIData<int>(6));
}

// ---- seasonal adjustment --------------------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, SeasonalTermRadiosFollowTheTermCheckAndTheFileItsCheck) {
    EXPECT_TRUE(Open(1049, [&](CGUIBaseDlg& dlg) {
        EXPECT_FALSE(dlg.IsCtrlEnabled(4315));
        EXPECT_FALSE(dlg.IsCtrlEnabled(4317));
        EXPECT_FALSE(dlg.IsCtrlEnabled(4320));
        // The record's default chooses the second button.
        EXPECT_TRUE(dlg.IsCtrlChecked(4317));
        dlg.UserClick(4325);
        EXPECT_TRUE(dlg.IsCtrlEnabled(4315));
        EXPECT_TRUE(dlg.IsCtrlEnabled(4317));
        dlg.UserClick(4315);
        dlg.UserClick(4319);
        EXPECT_TRUE(dlg.IsCtrlEnabled(4320));
        dlg.UserTypeText(4320, L"adj");
        dlg.UserTypeText(4321, L"4");
        return IDOK;
    }));
    const auto& record = Kept<CSeasonalData>(1049);
    EXPECT_EQ(record.AdditiveRadio, 0);
    EXPECT_EQ(record.SaveFileEdit, L"adj.tvz");
    EXPECT_EQ(Line(1049), L"ADJSEASON Sales / ADDITIVE SEASON = 4");
}

TEST_F(TimeSeriesDialogs1, SeasonalWithFewerThanSixRowsNoSeasonLengthPasses) {
    host.data.cases = 5;
    EXPECT_FALSE(Open(1049, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(4321), L"1");
        for (const wchar_t* text : {L"1", L"2", L"12"}) {
            dlg.UserTypeText(4321, text);
            EXPECT_FALSE(dlg.OnOK()) << CString(text).ToUtf8();
        }
        return IDOK;
    }));
    EXPECT_FALSE(host.assertions.empty());
}

TEST_F(TimeSeriesDialogs1, SeasonalResetGivesTwelveWhateverTheDataAndTheSeriesModule) {
    host.series.season = 4;
    Open(1049, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(4321), L"4");
        dlg.UserClick(4325);
        dlg.UserClick(4315);
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(dlg.GetCtrlWindowText(4321), L"12");
        EXPECT_TRUE(dlg.IsCtrlChecked(4317));
        EXPECT_FALSE(dlg.IsCtrlChecked(4315));
        EXPECT_FALSE(dlg.IsCtrlEnabled(4317));
        // 12 is more than a third of the 30 rows: the reset value itself is refused.
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(LastStatus(), L"Enter a number in [2, 10]");
        return IDCANCEL;
    });
}

// ---- series smoothing -----------------------------------------------------------------------------------

TEST_F(TimeSeriesDialogs1, SmoothingEditsFollowTheChosenKindAndOnlyTheOpenSpanIsChecked) {
    EXPECT_TRUE(Open(1050, [&](CGUIBaseDlg& dlg) {
        EXPECT_TRUE(dlg.IsCtrlEnabled(4329));
        EXPECT_FALSE(dlg.IsCtrlEnabled(4331));
        EXPECT_FALSE(dlg.IsCtrlEnabled(4337));
        EXPECT_FALSE(dlg.IsCtrlEnabled(4334));
        dlg.UserTypeText(4329, L"1");
        dlg.UserClick(4330);
        EXPECT_FALSE(dlg.IsCtrlEnabled(4329));
        EXPECT_TRUE(dlg.IsCtrlEnabled(4331));
        dlg.UserTypeText(4331, L"5");
        dlg.UserClick(4333);
        EXPECT_TRUE(dlg.IsCtrlEnabled(4334));
        dlg.UserClick(4333);
        return IDOK;
    }));
    EXPECT_EQ(Line(1050), L"SMOOTH Sales / MEDIAN=5");
    // The closed mean edit keeps what was typed into it, unchecked.
    EXPECT_EQ(Kept<CSeriesSmoothData>(1050).MeanValueEdit.GetValue(), 1);
    EXPECT_FALSE(Kept<CSeriesSmoothData>(1050).MeanValueEdit.IsDefault());
}

TEST_F(TimeSeriesDialogs1, SmoothingWeightsAreTakenAsTypedEvenEmpty) {
    EXPECT_TRUE(Open(1050, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(4338);
        EXPECT_TRUE(dlg.IsCtrlEnabled(4337));
        EXPECT_FALSE(dlg.IsCtrlEnabled(4329));
        return IDOK;
    }));
    EXPECT_EQ(Line(1050), L"SMOOTH Sales / WT=");
    EXPECT_TRUE(Open(1050, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(4337, L"0.25 0.5 0.25");
        return IDOK;
    }));
    EXPECT_EQ(Line(1050), L"SMOOTH Sales / WT=0.25 0.5 0.25");
}

}  // namespace
