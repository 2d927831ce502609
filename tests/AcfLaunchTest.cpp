#include <gtest/gtest.h>

#include "DialogTestUtil.h"
#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/AcfData.h"
#include "Private/AcfDlg.h"

namespace {

class AcfLaunch : public MenuDialogs<CTimeSeriesMsg> {
protected:
    AcfLaunch() {
        host.data.cases = 20;
        for (const wchar_t* name : {L"Sales", L"Cost"})
            host.data.AddNumeric(name);
        host.data.AddString(L"Region");
        host.menuBar.SetItem(1039, {L"&Statistics", L"&Time Series", L"&Correlation Plots",
                                    L"&Autocorrelation...\tCtrl+Shift+A"});
    }
    CAcfData& Record(UINT command) { return Kept<CAcfData>(command); }
};

TEST_F(AcfLaunch, ZeroIsRefusedAndNinetyNinePassesWithAHundredCases) {
    host.data.cases = 100;
    bool refused = false;
    Launch(1039, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"0");
        refused = !dlg.OnOK();
        EXPECT_EQ(dlg.Ctrl(CAcfDlg::IDC_LAG_EDIT).m_color, 0xC080FFu);
        EXPECT_EQ(dlg.GetToolTip(CAcfDlg::IDC_LAG_EDIT), L"[1, min(50, #cases - 1)]");
        dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"99");
        return IDOK;
    });
    EXPECT_TRUE(refused);
    ASSERT_FALSE(host.sentMessages.empty());
    EXPECT_EQ(host.sentMessages[0].second, L"Enter a number in [1, 99]");
    EXPECT_EQ(Record(1039).EditLagEdit.GetValue(), 99);
    CCmdList lines;
    Record(1039).GetCommandInfoList(lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].GetCommand(), L"ACF Sales / LAG = 99");
}

TEST_F(AcfLaunch, UnchangedLagWritesNoClauseAndFirstNumericIsPreselected) {
    Launch(1048);
    CCmdList lines;
    Record(1048).GetCommandInfoList(lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].GetCommand(), L"SERIES");
    EXPECT_EQ(lines[1].GetCommand(), L"PACF Sales");
    EXPECT_EQ(Record(1048).GetVariantID(), CAcfData::kVariantPacf);
}

// The save-file pair, the reopening lag and the time plot are the acf_* scenarios'.
TEST_F(AcfLaunch, ResetWritesTheDefaultsEvenWhenCancelled) {
    Launch(1039, [&](CGUIBaseDlg& dlg) {
        dlg.UserCheck(CAcfDlg::IDC_SAVE_CHECK, 1);
        dlg.UserTypeText(CAcfDlg::IDC_SAVE_FILE, L"out/acf");
        return IDOK;
    });
    EXPECT_EQ(Record(1039).SaveFileEdit, L"out/acf.tvz");
    Launch(1039, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelectAll(CAcfDlg::IDC_SOURCE_LIST);
        dlg.UserClick(CAcfDlg::IDC_ADD);
        dlg.UserClick(IDC_RESET);
        const auto& selected = dlg.ListCtrl(CAcfDlg::IDC_SELECTED_LIST).GetItems();
        EXPECT_EQ(selected.GetSize(), 1);
        EXPECT_EQ(selected[0].GetVariableName(), L"Sales");
        EXPECT_FALSE(dlg.IsCtrlChecked(CAcfDlg::IDC_SAVE_CHECK));
        EXPECT_FALSE(dlg.IsCtrlEnabled(CAcfDlg::IDC_SAVE_FILE));
        return IDCANCEL;
    });
    EXPECT_EQ(Record(1039).SaveFileCheck, 0);
    EXPECT_TRUE(Record(1039).SaveFileEdit.IsEmpty());
}

TEST(MenuCaption, CleanedTextsOfTheLastThreeLevels) {
    EXPECT_EQ(
        BuildMenuCaption({L"&Statistics", L"&Time Series", L"&Correlation Plots", L"&Autocorrelation..."}),
        L"Time Series: Correlation Plots: Autocorrelation");
    EXPECT_EQ(BuildMenuCaption({L"Tables", L"Save && Close...\tCtrl+S"}), L"Tables: Save & Close");
    EXPECT_EQ(BuildMenuCaption({L"R&&&D"}), L"R&D");
    EXPECT_EQ(BuildMenuCaption({L"A&b&c"}), L"Abc");
    EXPECT_EQ(BuildMenuCaption({}), L"");
}

}  // namespace
