// The dialogs of series transformation, time labels, cross-correlation, Fourier analysis, trend
// analysis and lowess smoothing, driven through the time-series menu group: what the timeseries2_*
// scenarios leave out (resets, the refusals of an empty selection).

#include <gtest/gtest.h>

#include "DialogTestUtil.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/CcfDlg.h"
#include "Private/FourierDlg.h"
#include "Private/TimeDlg.h"
#include "Private/TransformDlg.h"
#include "Private/TrendAnalysisDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using NameList = std::vector<std::wstring>;

class TimeSeriesDialogs2 : public MenuDialogs<CTimeSeriesMsg> {
protected:
    TimeSeriesDialogs2() {
        host.data.cases = 30;
        for (const wchar_t* name : {L"Sales", L"Cost", L"Price"})
            host.data.AddNumeric(name);
        host.data.AddString(L"Region");
    }
};

// ---- series transformation ----------------------------------------------------------------------

using Transform = CTransformDlg;

TEST_F(TimeSeriesDialogs2, TransformResetTouchesOnlyTheDialog) {
    Launch(1053, [&](CGUIBaseDlg& dlg) {
        dlg.UserCombo(Transform::IDC_TYPE_COMBO, 1);
        dlg.UserTypeText(Transform::IDC_BASE_EDIT, L"4");
        dlg.UserSelect(Transform::IDC_SOURCE_LIST, {L"Cost", L"Price"});
        dlg.UserClick(Transform::IDC_ADD);
        return IDOK;
    });
    EXPECT_EQ(LastLine(1053), L"INDEX Sales Cost Price /BASE=4");

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
    EXPECT_EQ(LastLine(1053), L"INDEX Sales Cost Price /BASE=4");
}

// ---- time labels --------------------------------------------------------------------------------

using Time = CTimeDlg;

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
    EXPECT_EQ(LastLine(1051), L"TIME 2001,4,3 / FORMAT='YYYY'");
}

// ---- cross-correlation --------------------------------------------------------------------------

using Ccf = CCcfDlg;

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
    EXPECT_EQ(LastLine(1041), L"CCF Price Sales / LAG = 28");
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

TEST_F(TimeSeriesDialogs2, FourierWantsASeries) {
    const CString message = GetString(Fourier::kSelectedListMessage);
    ASSERT_FALSE(message.IsEmpty());
    bool refused = false;
    Launch(1045, [&](CGUIBaseDlg& dlg) {
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
    EXPECT_EQ(LastLine(1045), L"FOURIER Sales Price /LAG=7");

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
    EXPECT_EQ(LastLine(1045), L"FOURIER Sales");
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
    EXPECT_EQ(LastLine(1085), L"MKTEST Price /  ALT = TWOSIDED");
}

}  // namespace
