// The dialogs of series transformation, time labels, cross-correlation, Fourier analysis, trend
// analysis and lowess smoothing, driven through the time-series menu group as a user would.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <typeinfo>

#include "DialogTestUtil.h"
#include "FakeHost.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/CcfDlg.h"
#include "Private/FourierDlg.h"
#include "Private/LowessDlg.h"
#include "Private/TimeDlg.h"
#include "Private/TransformDlg.h"
#include "Private/TrendAnalysisDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using NameList = std::vector<std::wstring>;

class TimeSeriesDialogs2 : public ::testing::Test {
protected:
    TimeSeriesDialogs2() {
        host.data.cases = 30;
        for (const wchar_t* name : {L"Sales", L"Cost", L"Price"})
            host.data.AddNumeric(name);
        host.data.AddString(L"Region");
    }
    // Runs an item of the time-series group with the given actions on its dialog.
    void Launch(UINT command, std::function<int(CGUIBaseDlg&)> actions = {}) {
        ScriptedDriver driver(std::move(actions));
        CTimeSeriesMsg group(&host);
        EXPECT_TRUE(group.OnTKCommand(command));
        EXPECT_EQ(driver.runs, 1);
    }
    template <class Record>
    Record& Kept(UINT command) {
        return *dynamic_cast<Record*>(host.records.at(command));
    }
    template <class Record>
    std::wstring LastLine(UINT command) {
        CCmdList lines;
        Kept<Record>(command).GetCommandInfoList(lines);
        return lines.empty() ? std::wstring() : std::wstring(lines.back().GetCommand().str());
    }
    static NameList Items(CGUIBaseDlg& dlg, UINT list) { return NamesOf(dlg.ListCtrl(list).GetItems()); }

    FakeHost host;
};

// ---- launch -------------------------------------------------------------------------------------

struct LaunchCase {
    UINT command;
    UINT templateId;
    const std::type_info* dialog;
    const std::type_info* record;
    UINT refusal;  // the message that refuses the dialog's defaults, or 0 when they are accepted
};

class TimeSeriesLaunch : public TimeSeriesDialogs2, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(TimeSeriesLaunch, OpensItsDialogOnItsRecordWithoutCaption) {
    const LaunchCase& c = GetParam();
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetTemplateID(), c.templateId);
        EXPECT_STREQ(typeid(dlg).name(), c.dialog->name());
        EXPECT_EQ(dlg.GetDlgCaptionID(), 0u);
        return IDOK;
    });
    CGUIBaseObj* record = host.records.at(c.command);
    EXPECT_STREQ(typeid(*record).name(), c.record->name());
    EXPECT_EQ(record->GetDialogID(), 0u);
    if (c.refusal == 0) {
        ASSERT_EQ(host.runs.size(), 1u);
        EXPECT_EQ(host.runs[0].first, c.command);
        EXPECT_TRUE(host.messages.empty());
    } else {
        EXPECT_TRUE(host.runs.empty());
        EXPECT_EQ(host.messages, std::vector<std::wstring>{std::wstring(GetString(c.refusal).str())});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TimeSeriesLaunch,
    ::testing::Values(
        // Cross-correlation chooses no series, and needs two.
        LaunchCase{1041, CCcfDlg::IDD, &typeid(CCcfDlg), &typeid(CCcfData), CCcfData::kSelectedListMessage},
        LaunchCase{1045, CFourierDlg::IDD, &typeid(CFourierDlg), &typeid(CFourierData), 0},
        LaunchCase{1047, CLowessDlg::IDD, &typeid(CLowessDlg), &typeid(CLowessData), 0},
        LaunchCase{1051, CTimeDlg::IDD, &typeid(CTimeDlg), &typeid(CTimeData), 0},
        LaunchCase{1053, CTransformDlg::IDD, &typeid(CTransformDlg), &typeid(CTransformData), 0},
        LaunchCase{1085, CTrendAnalysisDlg::IDD, &typeid(CTrendAnalysisDlg), &typeid(CTrendAnalysisData), 0}),
    [](const auto& p) { return std::to_string(p.param.command); });

// ---- series transformation ----------------------------------------------------------------------

using Transform = CTransformDlg;

TEST_F(TimeSeriesDialogs2, TransformTypeComboEnablesOnlyItsParameter) {
    struct Expected {
        int index;  // in combo 5264
        bool lag, base, proportion;
    };
    const Expected cases[] = {
        {0, true, false, false},   // difference
        {1, false, true, false},   // index
        {6, false, false, true},   // taper
        {2, false, false, false},  // logarithm
        {7, false, false, false},  // trend
    };
    Launch(1053, [&](CGUIBaseDlg& dlg) {
        for (const auto& e : cases) {
            dlg.UserCombo(Transform::IDC_TYPE_COMBO, e.index);
            EXPECT_EQ(dlg.IsCtrlEnabled(Transform::IDC_LAG_EDIT) != 0, e.lag) << e.index;
            EXPECT_EQ(dlg.IsCtrlEnabled(Transform::IDC_LAG_LABEL) != 0, e.lag) << e.index;
            EXPECT_EQ(dlg.IsCtrlEnabled(Transform::IDC_BASE_EDIT) != 0, e.base) << e.index;
            EXPECT_EQ(dlg.IsCtrlEnabled(Transform::IDC_BASE_LABEL) != 0, e.base) << e.index;
            EXPECT_EQ(dlg.IsCtrlEnabled(Transform::IDC_PROPORTION_EDIT) != 0, e.proportion) << e.index;
            EXPECT_EQ(dlg.IsCtrlEnabled(Transform::IDC_PROPORTION_LABEL) != 0, e.proportion) << e.index;
        }
        // The save check carries both the file edit and the save combo.
        EXPECT_FALSE(dlg.IsCtrlEnabled(Transform::IDC_SAVE_FILE));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Transform::IDC_SAVE_COMBO));
        dlg.UserCheck(Transform::IDC_SAVE_CHECK, 1);
        EXPECT_TRUE(dlg.IsCtrlEnabled(Transform::IDC_SAVE_FILE));
        EXPECT_TRUE(dlg.IsCtrlEnabled(Transform::IDC_SAVE_COMBO));
        dlg.UserTypeText(Transform::IDC_SAVE_FILE, L"diff");
        dlg.UserCombo(Transform::IDC_SAVE_COMBO, 1);
        return IDOK;
    });
    CCmdList lines;
    Kept<CTransformData>(1053).GetCommandInfoList(lines);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].GetCommand(), L"SAVE APPEND \"diff.tvz\"");
    EXPECT_EQ(lines[2].GetCommand(), L"TREND Sales");
}

TEST_F(TimeSeriesDialogs2, TransformWantsASeries) {
    const CString message = GetString(Transform::kSelectedListMessage);
    ASSERT_FALSE(message.IsEmpty());
    bool refused = false;
    Launch(1053, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelect(Transform::IDC_SELECTED_LIST, {L"Sales"});
        dlg.UserClick(Transform::IDC_REMOVE);
        refused = !dlg.OnOK();
        EXPECT_EQ(dlg.GetFocusCtrl(), Transform::IDC_SELECTED_LIST);
        return IDCANCEL;
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(host.messages, std::vector<std::wstring>{std::wstring(message.str())});
    EXPECT_TRUE(host.runs.empty());
}

TEST_F(TimeSeriesDialogs2, TransformResetTouchesOnlyTheDialog) {
    Launch(1053, [&](CGUIBaseDlg& dlg) {
        dlg.UserCombo(Transform::IDC_TYPE_COMBO, 1);
        dlg.UserTypeText(Transform::IDC_BASE_EDIT, L"4");
        dlg.UserSelect(Transform::IDC_SOURCE_LIST, {L"Cost", L"Price"});
        dlg.UserClick(Transform::IDC_ADD);
        return IDOK;
    });
    EXPECT_EQ(LastLine<CTransformData>(1053), L"INDEX Sales Cost Price /BASE=4");

    Launch(1053, [&](CGUIBaseDlg& dlg) {
        // The record's choices come back...
        EXPECT_EQ(dlg.Ctrl(Transform::IDC_TYPE_COMBO).m_nComboIndex, 1);
        EXPECT_EQ(dlg.GetCtrlWindowText(Transform::IDC_BASE_EDIT), L"4");
        dlg.UserClick(IDC_RESET);
        // ... and the reset puts the defaults into the dialog only, with the first series selected.
        EXPECT_EQ(Items(dlg, Transform::IDC_SELECTED_LIST), NameList{L"Sales"});
        EXPECT_EQ(dlg.Ctrl(Transform::IDC_TYPE_COMBO).m_nComboIndex, 0);
        EXPECT_EQ(dlg.GetCtrlWindowText(Transform::IDC_BASE_EDIT), L"1");
        EXPECT_TRUE(dlg.IsCtrlEnabled(Transform::IDC_LAG_EDIT));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Transform::IDC_BASE_EDIT));
        return IDCANCEL;
    });
    EXPECT_EQ(LastLine<CTransformData>(1053), L"INDEX Sales Cost Price /BASE=4");
}

// ---- time labels --------------------------------------------------------------------------------

using Time = CTimeDlg;

TEST_F(TimeSeriesDialogs2, TimeUnusualPeriodIsWarnedAboutButTaken) {
    EXPECT_EQ(Time::ValidatePeriod(12), 0u);
    EXPECT_EQ(Time::ValidatePeriod(5), CTimeData::kUnusualPeriodMessage);
    Launch(1051, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(Time::IDC_PERIOD_EDIT, L"12");
        EXPECT_TRUE(dlg.UpdateData(1));
        EXPECT_TRUE(host.warnings.empty());
        dlg.UserTypeText(Time::IDC_PERIOD_EDIT, L"5");
        return IDOK;
    });
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], GetString(CTimeData::kUnusualPeriodMessage).str());
    EXPECT_FALSE(host.warnings[0].empty());
    EXPECT_EQ(host.runs.size(), 1u);
    EXPECT_EQ(LastLine<CTimeData>(1051), L"TIME ,5,1 / FORMAT='YYYY'");
}

TEST_F(TimeSeriesDialogs2, TimeYearBlankIsNoYear) {
    Launch(1051, [&](CGUIBaseDlg& dlg) {
        // No year given yet: the edit is blank and its 0 is not checked.
        EXPECT_EQ(dlg.GetCtrlWindowText(Time::IDC_ORIGIN_EDIT), L"");
        EXPECT_TRUE(dlg.UpdateData(1));
        dlg.UserTypeText(Time::IDC_ORIGIN_EDIT, L"1990");
        return IDOK;
    });
    EXPECT_EQ(LastLine<CTimeData>(1051), L"TIME 1990,1,1 / FORMAT='YYYY'");

    // Cleared again, the year is no year at all.
    Launch(1051, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(Time::IDC_ORIGIN_EDIT), L"1990");
        dlg.UserTypeText(Time::IDC_ORIGIN_EDIT, L" ");
        return IDOK;
    });
    EXPECT_EQ(Kept<CTimeData>(1051).OriginEdit, CTimeData::GetDefaultOriginEdit());
    EXPECT_EQ(LastLine<CTimeData>(1051), L"TIME ,1,1 / FORMAT='YYYY'");
}

TEST_F(TimeSeriesDialogs2, TimeResetShowsTheDefaultsAndLeavesTheRecord) {
    Launch(1051, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(Time::IDC_ORIGIN_EDIT, L"2001");
        dlg.UserTypeText(Time::IDC_PERIOD_EDIT, L"4");
        dlg.UserTypeText(Time::IDC_FIRST_EDIT, L"3");
        return IDOK;
    });
    Launch(1051, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetToolTip(Time::IDC_PERIOD_EDIT), L"{1, 2, 3, 4, 6, 12, 52, 365}");
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(dlg.GetCtrlWindowText(Time::IDC_ORIGIN_EDIT), L"");
        EXPECT_EQ(dlg.GetCtrlWindowText(Time::IDC_PERIOD_EDIT), L"1");
        EXPECT_EQ(dlg.GetCtrlWindowText(Time::IDC_FIRST_EDIT), L"1");
        return IDCANCEL;
    });
    EXPECT_EQ(LastLine<CTimeData>(1051), L"TIME 2001,4,3 / FORMAT='YYYY'");
}

// ---- cross-correlation --------------------------------------------------------------------------

using Ccf = CCcfDlg;

TEST_F(TimeSeriesDialogs2, CcfLagStartsAtTheDataMaximumAtEveryShowing) {
    CString shown;
    Launch(1041, [&](CGUIBaseDlg& dlg) {
        shown = dlg.GetCtrlWindowText(Ccf::IDC_LAG_EDIT);
        dlg.UserSelect(Ccf::IDC_SOURCE_LIST, {L"Sales", L"Cost"});
        dlg.UserClick(Ccf::IDC_ADD);
        dlg.UserTypeText(Ccf::IDC_LAG_EDIT, L"5");
        return IDOK;
    });
    EXPECT_EQ(shown, L"29");
    EXPECT_EQ(LastLine<CCcfData>(1041), L"CCF Sales Cost / LAG = 5");

    Launch(1041, [&](CGUIBaseDlg& dlg) {
        shown = dlg.GetCtrlWindowText(Ccf::IDC_LAG_EDIT);
        EXPECT_EQ(Items(dlg, Ccf::IDC_SELECTED_LIST), (NameList{L"Sales", L"Cost"}));
        return IDOK;
    });
    EXPECT_EQ(shown, L"29");
    EXPECT_EQ(LastLine<CCcfData>(1041), L"CCF Sales Cost");
}

TEST_F(TimeSeriesDialogs2, CcfLagRangeAndBothSeriesNeeded) {
    const CString message = GetString(CCcfData::kSelectedListMessage);
    ASSERT_FALSE(message.IsEmpty());
    std::vector<bool> accepted;
    Launch(1041, [&](CGUIBaseDlg& dlg) {
        // Nothing is chosen for the user.
        EXPECT_TRUE(Items(dlg, Ccf::IDC_SELECTED_LIST).empty());
        dlg.UserDblClick(Ccf::IDC_SOURCE_LIST, L"Price");
        accepted.push_back(dlg.OnOK());
        dlg.UserDblClick(Ccf::IDC_SOURCE_LIST, L"Sales");
        // A refused value is not kept: 28 is a change from the 29 the dialog opened with.
        for (const wchar_t* text : {L"0", L"30", L"28"}) {
            dlg.UserTypeText(Ccf::IDC_LAG_EDIT, text);
            accepted.push_back(dlg.UpdateData(1) != 0);
        }
        return IDOK;
    });
    EXPECT_EQ(accepted, (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(host.messages, std::vector<std::wstring>{std::wstring(message.str())});
    EXPECT_EQ(LastLine<CCcfData>(1041), L"CCF Price Sales / LAG = 28");
}

TEST_F(TimeSeriesDialogs2, CcfTakesNoThirdVariableByAnyWay) {
    Launch(1041, [&](CGUIBaseDlg& dlg) {
        // Three at once are too many, two are not.
        dlg.UserSelect(Ccf::IDC_SOURCE_LIST, {L"Sales", L"Cost", L"Price"});
        EXPECT_FALSE(dlg.IsCtrlEnabled(Ccf::IDC_ADD));
        dlg.UserDrag(Ccf::IDC_SOURCE_LIST, {L"Sales", L"Cost", L"Price"}, Ccf::IDC_SELECTED_LIST);
        EXPECT_TRUE(Items(dlg, Ccf::IDC_SELECTED_LIST).empty());
        dlg.UserSelect(Ccf::IDC_SOURCE_LIST, {L"Sales", L"Cost"});
        EXPECT_TRUE(dlg.IsCtrlEnabled(Ccf::IDC_ADD));
        dlg.UserClick(Ccf::IDC_ADD);

        dlg.UserSelect(Ccf::IDC_SOURCE_LIST, {L"Price"});
        EXPECT_FALSE(dlg.IsCtrlEnabled(Ccf::IDC_ADD));
        dlg.UserClick(Ccf::IDC_ADD);
        dlg.UserDblClick(Ccf::IDC_SOURCE_LIST, L"Price");
        dlg.UserDrag(Ccf::IDC_SOURCE_LIST, {L"Price"}, Ccf::IDC_SELECTED_LIST);
        dlg.UserContext(Ccf::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);
        EXPECT_EQ(Items(dlg, Ccf::IDC_SELECTED_LIST), (NameList{L"Sales", L"Cost"}));

        // With one series out again, the third may come in by the list menu.
        dlg.UserDrag(Ccf::IDC_SELECTED_LIST, {L"Cost"}, 0);
        dlg.UserSelect(Ccf::IDC_SOURCE_LIST, {L"Price"});
        EXPECT_TRUE(dlg.IsCtrlEnabled(Ccf::IDC_ADD));
        dlg.UserContext(Ccf::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);
        EXPECT_EQ(Items(dlg, Ccf::IDC_SELECTED_LIST), (NameList{L"Sales", L"Price"}));
        return IDOK;
    });
    EXPECT_EQ(LastLine<CCcfData>(1041), L"CCF Sales Price");
}

TEST_F(TimeSeriesDialogs2, CcfSelectedListBeingDraggedCountsOneLess) {
    CCcfData record;
    record.FillListSource();
    record.SelectedVariableList.Add(CGUIDataVariable(L"Sales", kVariableTypeNumeric));
    record.SelectedVariableList.Add(CGUIDataVariable(L"Cost", kVariableTypeNumeric));
    Ccf dlg;
    dlg.SetData(&record);
    dlg.CreateWindowFromTemplate();
    dlg.OnInitDialog();
    dlg.ListCtrl(Ccf::IDC_SOURCE_LIST).SetSelection({2});
    EXPECT_FALSE(dlg.IsSelectedVariablesAllowed());
    dlg.ListCtrl(Ccf::IDC_SELECTED_LIST).SetState(1);
    EXPECT_TRUE(dlg.IsSelectedVariablesAllowed());
}

TEST_F(TimeSeriesDialogs2, CcfResetChoosesNoSeries) {
    Launch(1041, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelect(Ccf::IDC_SOURCE_LIST, {L"Sales", L"Cost"});
        dlg.UserClick(Ccf::IDC_ADD);
        dlg.UserCheck(Ccf::IDC_SAVE_CHECK, 1);
        EXPECT_TRUE(dlg.IsCtrlEnabled(Ccf::IDC_SAVE_FILE));
        dlg.UserClick(IDC_RESET);
        EXPECT_TRUE(Items(dlg, Ccf::IDC_SELECTED_LIST).empty());
        EXPECT_FALSE(dlg.IsCtrlChecked(Ccf::IDC_SAVE_CHECK));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Ccf::IDC_SAVE_FILE));
        EXPECT_EQ(dlg.GetCtrlWindowText(Ccf::IDC_LAG_EDIT), L"29");
        return IDCANCEL;
    });
}

// ---- Fourier analysis ---------------------------------------------------------------------------

using Fourier = CFourierDlg;

TEST_F(TimeSeriesDialogs2, FourierUntypedLagIsNeitherCheckedNorWritten) {
    Launch(1045, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(Fourier::IDC_LAG_EDIT), L"0");
        return IDOK;
    });
    EXPECT_EQ(host.runs.size(), 1u);
    EXPECT_EQ(LastLine<CFourierData>(1045), L"FOURIER Sales");
}

TEST_F(TimeSeriesDialogs2, FourierTakesAtMostTwoSeriesAndAtLeastOne) {
    const CString message = GetString(Fourier::kSelectedListMessage);
    ASSERT_FALSE(message.IsEmpty());
    bool refused = false;
    Launch(1045, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(Items(dlg, Fourier::IDC_SELECTED_LIST), NameList{L"Sales"});
        dlg.UserSelect(Fourier::IDC_SOURCE_LIST, {L"Cost", L"Price"});
        EXPECT_FALSE(dlg.IsCtrlEnabled(Fourier::IDC_ADD));
        dlg.UserContext(Fourier::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);
        dlg.UserDrag(Fourier::IDC_SOURCE_LIST, {L"Cost", L"Price"}, Fourier::IDC_SELECTED_LIST);
        EXPECT_EQ(Items(dlg, Fourier::IDC_SELECTED_LIST), NameList{L"Sales"});
        dlg.UserDrag(Fourier::IDC_SOURCE_LIST, {L"Price"}, Fourier::IDC_SELECTED_LIST);
        dlg.UserDblClick(Fourier::IDC_SOURCE_LIST, L"Cost");
        EXPECT_EQ(Items(dlg, Fourier::IDC_SELECTED_LIST), (NameList{L"Sales", L"Price"}));

        dlg.UserSelectAll(Fourier::IDC_SELECTED_LIST);
        dlg.UserClick(Fourier::IDC_REMOVE);
        refused = !dlg.OnOK();
        return IDCANCEL;
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(host.messages, std::vector<std::wstring>{std::wstring(message.str())});
}

TEST_F(TimeSeriesDialogs2, FourierResetSelectsTheFirstSeriesAndUnmarksNothing) {
    Launch(1045, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelect(Fourier::IDC_SOURCE_LIST, {L"Price"});
        dlg.UserClick(Fourier::IDC_ADD);
        dlg.UserTypeText(Fourier::IDC_LAG_EDIT, L"7");
        return IDOK;
    });
    EXPECT_EQ(LastLine<CFourierData>(1045), L"FOURIER Sales Price /LAG=7");

    Launch(1045, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(Fourier::IDC_LAG_EDIT), L"7");
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(Items(dlg, Fourier::IDC_SELECTED_LIST), NameList{L"Sales"});
        EXPECT_EQ(dlg.GetCtrlWindowText(Fourier::IDC_LAG_EDIT), L"0");
        // The reset lag is marked again, so its 0 passes.
        return IDOK;
    });
    const CFourierData& record = Kept<CFourierData>(1045);
    EXPECT_EQ(record.LagEdit, CFourierData::GetDefaultLagEdit());
    EXPECT_EQ(LastLine<CFourierData>(1045), L"FOURIER Sales");
}

// ---- trend analysis -----------------------------------------------------------------------------

using Trend = CTrendAnalysisDlg;

class TrendAnalysisDialog : public TimeSeriesDialogs2 {
protected:
    TrendAnalysisDialog() {
        // A string variable ahead of the numeric ones: the series preselected is the first numeric.
        host.data.variables.insert(host.data.variables.begin(),
                                   DataVariableInfo{L"Station", kVariableTypeString});
    }
};

TEST_F(TrendAnalysisDialog, FirstNumericVariableIsPreselected) {
    Launch(1085, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(Items(dlg, Trend::IDC_SOURCE_LIST),
                  (NameList{L"Station", L"Sales", L"Cost", L"Price", L"Region"}));
        EXPECT_EQ(Items(dlg, Trend::IDC_SERIES_LIST), NameList{L"Sales"});
        return IDOK;
    });
    EXPECT_EQ(LastLine<CTrendAnalysisData>(1085), L"MKTEST Sales /  ALT = TWOSIDED");
}

TEST_F(TrendAnalysisDialog, SeasonalTestCarriesItsChecksAndSeasonList) {
    Launch(1085, [&](CGUIBaseDlg& dlg) {
        const UINT seasonal[] = {Trend::IDC_TESTS_SK_CHECK, Trend::IDC_TESTS_MK_CHECK,
                                 Trend::IDC_TESTS_HOMOGENEITY_CHECK, Trend::IDC_SEASON_LIST};
        EXPECT_TRUE(dlg.IsCtrlChecked(Trend::IDC_MANN_KENDALL_RADIO));
        for (UINT id : seasonal)
            EXPECT_FALSE(dlg.IsCtrlEnabled(id)) << id;
        dlg.UserSelect(Trend::IDC_SOURCE_LIST, {L"Region"});
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_ADD_SEASON));
        dlg.UserDrag(Trend::IDC_SOURCE_LIST, {L"Region"}, Trend::IDC_SEASON_LIST);
        EXPECT_TRUE(Items(dlg, Trend::IDC_SEASON_LIST).empty());

        dlg.UserRadio(Trend::IDC_SEASONAL_RADIO);
        EXPECT_FALSE(dlg.IsCtrlChecked(Trend::IDC_MANN_KENDALL_RADIO));
        for (UINT id : seasonal)
            EXPECT_TRUE(dlg.IsCtrlEnabled(id)) << id;
        // A string variable may be a season, though neither a series nor a time.
        EXPECT_TRUE(dlg.IsCtrlEnabled(Trend::IDC_ADD_SEASON));
        dlg.UserClick(Trend::IDC_ADD_SEASON);
        EXPECT_EQ(Items(dlg, Trend::IDC_SEASON_LIST), NameList{L"Region"});
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_ADD_SEASON));
        dlg.UserSelect(Trend::IDC_SEASON_LIST, {L"Region"});
        EXPECT_TRUE(dlg.IsCtrlEnabled(Trend::IDC_REMOVE_SEASON));
        dlg.UserCheck(Trend::IDC_TESTS_HOMOGENEITY_CHECK, 1);

        // Back to Mann-Kendall: the season side goes dark, its list is kept.
        dlg.UserRadio(Trend::IDC_MANN_KENDALL_RADIO);
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_REMOVE_SEASON));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_SEASON_LIST));
        dlg.UserRadio(Trend::IDC_SEASONAL_RADIO);
        return IDOK;
    });
    EXPECT_EQ(LastLine<CTrendAnalysisData>(1085),
              L"STEST Sales / SEASON = Region TEST = SK HT  ALT = TWOSIDED");
}

TEST_F(TrendAnalysisDialog, StringVariableIsNeitherSeriesNorTime) {
    Launch(1085, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelect(Trend::IDC_SOURCE_LIST, {L"Cost", L"Region"});
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_ADD_SERIES));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_ADD_TIME));
        dlg.UserClick(Trend::IDC_ADD_SERIES);
        dlg.UserContext(Trend::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);
        dlg.UserDrag(Trend::IDC_SOURCE_LIST, {L"Cost", L"Region"}, Trend::IDC_TIME_LIST);
        dlg.UserDrag(Trend::IDC_SOURCE_LIST, {L"Station"}, Trend::IDC_SERIES_LIST);
        dlg.UserDblClick(Trend::IDC_SOURCE_LIST, L"Region");
        EXPECT_EQ(Items(dlg, Trend::IDC_SERIES_LIST), NameList{L"Sales"});
        EXPECT_TRUE(Items(dlg, Trend::IDC_TIME_LIST).empty());

        // Numeric variables go where they are dropped, and double click adds to the series.
        dlg.UserSelect(Trend::IDC_SOURCE_LIST, {L"Cost"});
        EXPECT_TRUE(dlg.IsCtrlEnabled(Trend::IDC_ADD_SERIES));
        EXPECT_TRUE(dlg.IsCtrlEnabled(Trend::IDC_ADD_TIME));
        dlg.UserDrag(Trend::IDC_SOURCE_LIST, {L"Price"}, Trend::IDC_TIME_LIST);
        dlg.UserDblClick(Trend::IDC_SOURCE_LIST, L"Cost");
        EXPECT_EQ(Items(dlg, Trend::IDC_SERIES_LIST), (NameList{L"Sales", L"Cost"}));
        EXPECT_EQ(Items(dlg, Trend::IDC_TIME_LIST), NameList{L"Price"});
        return IDOK;
    });
    EXPECT_EQ(LastLine<CTrendAnalysisData>(1085), L"MKTEST Sales Cost * Price /  ALT = TWOSIDED");
}

TEST_F(TrendAnalysisDialog, ConfidenceFollowsTheSlope) {
    Launch(1085, [&](CGUIBaseDlg& dlg) {
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_CONFI_EDIT));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_CONFI_LABEL));
        dlg.UserCheck(Trend::IDC_SLOPE_CHECK, 1);
        EXPECT_TRUE(dlg.IsCtrlEnabled(Trend::IDC_CONFI_EDIT));
        EXPECT_TRUE(dlg.IsCtrlEnabled(Trend::IDC_CONFI_LABEL));
        dlg.UserTypeText(Trend::IDC_CONFI_EDIT, L"0.999");
        dlg.UserCombo(Trend::IDC_ALTERNATIVE_COMBO, 2);
        return IDOK;
    });
    EXPECT_EQ(LastLine<CTrendAnalysisData>(1085), L"MKTEST Sales / SLOPE CONFI = 0.999 ALT = DECREASING");
}

TEST_F(TrendAnalysisDialog, ResetGivesTheDefaults) {
    Launch(1085, [&](CGUIBaseDlg& dlg) {
        dlg.UserRadio(Trend::IDC_SEASONAL_RADIO);
        dlg.UserCheck(Trend::IDC_TESTS_SK_CHECK, 0);
        dlg.UserCheck(Trend::IDC_TESTS_MK_CHECK, 1);
        dlg.UserCheck(Trend::IDC_SLOPE_CHECK, 1);
        dlg.UserTypeText(Trend::IDC_CONFI_EDIT, L"0.8");
        dlg.UserCombo(Trend::IDC_ALTERNATIVE_COMBO, 1);
        dlg.UserClick(IDC_RESET);
        EXPECT_TRUE(dlg.IsCtrlChecked(Trend::IDC_MANN_KENDALL_RADIO));
        EXPECT_TRUE(dlg.IsCtrlChecked(Trend::IDC_TESTS_SK_CHECK));
        EXPECT_FALSE(dlg.IsCtrlChecked(Trend::IDC_TESTS_MK_CHECK));
        EXPECT_FALSE(dlg.IsCtrlChecked(Trend::IDC_SLOPE_CHECK));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_CONFI_EDIT));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Trend::IDC_TESTS_SK_CHECK));
        EXPECT_EQ(dlg.GetCtrlWindowText(Trend::IDC_CONFI_EDIT), L"0.95");
        EXPECT_EQ(dlg.Ctrl(Trend::IDC_ALTERNATIVE_COMBO).m_nComboIndex, 0);
        dlg.UserSelect(Trend::IDC_SOURCE_LIST, {L"Price"});
        dlg.UserClick(Trend::IDC_ADD_SERIES);
        return IDOK;
    });
    EXPECT_EQ(LastLine<CTrendAnalysisData>(1085), L"MKTEST Price /  ALT = TWOSIDED");
}

TEST_F(TrendAnalysisDialog, AlternativeTextsComeFromTheirStrings) {
    CTrendAnalysisData record;
    Trend dlg;
    dlg.SetData(&record);
    dlg.CreateWindowFromTemplate();
    dlg.OnInitDialog();
    const std::vector<CString> fromCombo = dlg.Ctrl(Trend::IDC_ALTERNATIVE_COMBO).m_comboItems;
    dlg.FillComboAlternativeCombo();
    EXPECT_EQ(dlg.Ctrl(Trend::IDC_ALTERNATIVE_COMBO).m_comboItems, fromCombo);
    ASSERT_EQ(fromCombo.size(), 3u);
    EXPECT_EQ(fromCombo[1], L"INCREASING");
}

// ---- lowess -------------------------------------------------------------------------------------

using Lowess = CLowessDlg;

TEST_F(TimeSeriesDialogs2, LowessSaveAndResetToTheFirstSeries) {
    Launch(1047, [&](CGUIBaseDlg& dlg) {
        EXPECT_FALSE(dlg.IsCtrlEnabled(Lowess::IDC_SAVE_FILE));
        dlg.UserCheck(Lowess::IDC_SAVE_CHECK, 1);
        dlg.UserTypeText(Lowess::IDC_SAVE_FILE, L"smooth");
        EXPECT_EQ(dlg.GetToolTip(Lowess::IDC_SAVE_FILE), L"smooth");
        dlg.UserDrag(Lowess::IDC_SELECTED_LIST, {L"Sales"}, 0);
        dlg.UserContext(Lowess::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);  // nothing selected: nothing added
        dlg.UserSelect(Lowess::IDC_SOURCE_LIST, {L"Price"});
        dlg.UserContext(Lowess::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);
        dlg.UserTypeText(Lowess::IDC_TENSION_EDIT, L"0.25");
        return IDOK;
    });
    CCmdList lines;
    Kept<CLowessData>(1047).GetCommandInfoList(lines);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].GetCommand(), L"SAVE \"smooth.tvz\"");
    EXPECT_EQ(lines[2].GetCommand(), L"SMOOTH Price/LOWESS = 0.25");

    Launch(1047, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(IDC_RESET);
        EXPECT_EQ(Items(dlg, Lowess::IDC_SELECTED_LIST), NameList{L"Sales"});
        EXPECT_EQ(dlg.GetCtrlWindowText(Lowess::IDC_TENSION_EDIT), L"0.5");
        EXPECT_FALSE(dlg.IsCtrlEnabled(Lowess::IDC_SAVE_FILE));
        return IDOK;
    });
    EXPECT_EQ(LastLine<CLowessData>(1047), L"SMOOTH Sales/LOWESS = 0.5");
}

}  // namespace
