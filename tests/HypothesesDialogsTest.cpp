// The dialogs of the hypothesis-testing and nonparametric menus, launched from their groups: what each
// test enables, what it refuses, what it warns about. The paired, many-group, raw-data, two-sample KS
// and runs rules are the hypotheses_* and nonparametric_tests scenarios'.

#include <gtest/gtest.h>

#include "DialogTestUtil.h"
#include "Private/TestTabDlg.h"
#include "Source/CDlgStat1.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using Lines = std::vector<std::wstring>;
using One = CTestingOneSampleDlg;
using Two = CTestingTwoSampleDlg;
using Prop = CTestingOneProportionDlg;
using Props = CTestingTwoProportionDlg;

// What the host shows for a message resource, as the sinks keep it; nothing for 0.
std::vector<std::wstring> Said(UINT message) {
    if (!message)
        return {};
    return {std::wstring(GetString(message).str())};
}

class TestDialogs : public ::testing::Test {
protected:
    TestDialogs() {
        for (const wchar_t* name : {L"y", L"z", L"g", L"b"})
            host.data.AddNumeric(name);
        host.data.AddString(L"Region");
        g_pDlgStat1 = &module;
    }
    ~TestDialogs() override { g_pDlgStat1 = nullptr; }

    // Chooses the menu item; `actions` act on the first page and return how the dialog ends (IDOK
    // presses OK, and a refused OK cancels).
    void Launch(UINT command, std::function<int(CGUIBaseDlg&)> actions = {}) {
        ScriptedDriver driver([&](CGUIBaseDlg& dlg) {
            dlg.UserShowPage(0);
            return actions ? actions(dlg.GetActiveControlsDialog()) : IDOK;
        });
        CTKMsg* group = command >= 1070 && command <= 1083 ? module.GetTestingHypothesesMsg()
                                                           : module.GetNonparametricTestsMsg();
        EXPECT_TRUE(group->OnTKCommand(command));
        EXPECT_EQ(driver.runs, 1);
    }
    // OK on the page's composite; true when it was accepted.
    static bool Ok(CGUIBaseDlg& page) { return page.GetParentDlgWindow()->OnOK(); }
    static void Add(CGUIBaseDlg& page, UINT source, std::vector<CString> names, UINT button) {
        page.UserSelect(source, names);
        page.UserClick(button);
    }
    Lines Kept(UINT command) { return LinesOf(*host.records.at(command)); }

    FakeHost host;
    CDlgStat1 module{&host};
};

TEST_F(TestDialogs, EachOneSampleTestStartsWithItsOwnControls) {
    struct Start {
        UINT command;
        std::vector<UINT> disabled;
        std::wstring valueLabel;
        std::wstring valueTip;
    };
    const std::vector<UINT> sdAndMultiple = {One::IDC_SD_EDIT, One::IDC_SD_LABEL, One::IDC_MULTIPLE_LABEL,
                                             One::IDC_BONFERRONI, One::IDC_DUNN_SIDAK};
    const Start starts[] = {
        {1074, {}, L"Hypothesized &mean:", L"(-inf, +inf)"},
        {1076, {One::IDC_SD_EDIT, One::IDC_SD_LABEL}, L"Hypothesized &mean:", L"(0.0, +inf)"},
        {1070, sdAndMultiple, L"Hypothesized correlation:", L"(-1.0, +1.0)"},
        {1081, sdAndMultiple, L"Hypothesized variance:", L"(0.0, +inf)"},
        {1072,
         {One::IDC_VALUE_EDIT, One::IDC_VALUE_LABEL, One::IDC_SD_EDIT, One::IDC_SD_LABEL,
          One::IDC_MULTIPLE_LABEL, One::IDC_BONFERRONI, One::IDC_DUNN_SIDAK},
         L"Hypothesized &mean:",
         L""},
        {1073, {One::IDC_SD_EDIT, One::IDC_SD_LABEL}, L"Hypothesized &mean:", L"(-inf, +inf)"},
        {1075,
         {One::IDC_VALUE_EDIT, One::IDC_VALUE_LABEL, One::IDC_SD_EDIT, One::IDC_SD_LABEL},
         L"Hypothesized &mean:",
         L""},
    };
    for (const Start& s : starts) {
        Launch(s.command, [&](CGUIBaseDlg& page) {
            for (UINT id : {One::IDC_VALUE_EDIT, One::IDC_VALUE_LABEL, One::IDC_SD_EDIT, One::IDC_SD_LABEL,
                            One::IDC_MULTIPLE_LABEL, One::IDC_BONFERRONI, One::IDC_DUNN_SIDAK,
                            One::IDC_CONFIDENCE_EDIT})
                EXPECT_EQ(page.IsCtrlEnabled(id) != 0,
                          std::count(s.disabled.begin(), s.disabled.end(), id) == 0)
                    << s.command << " control " << id;
            EXPECT_EQ(page.GetCtrlWindowText(One::IDC_VALUE_LABEL).str(), s.valueLabel) << s.command;
            EXPECT_EQ(page.GetToolTip(One::IDC_VALUE_EDIT).str(), s.valueTip) << s.command;
            return IDCANCEL;
        });
    }
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(TestDialogs, OneSampleValuesAreCheckedByTheTestsRanges) {
    struct Row {
        UINT command;
        UINT edit;
        const wchar_t* text;
        bool accepted;
    };
    const Row rows[] = {
        {1081, One::IDC_VALUE_EDIT, L"-1", false},     {1076, One::IDC_VALUE_EDIT, L"-0.5", false},
        {1076, One::IDC_VALUE_EDIT, L"0.5", true},     {1070, One::IDC_VALUE_EDIT, L"1", false},
        {1070, One::IDC_VALUE_EDIT, L"-0.99", true},   {1074, One::IDC_SD_EDIT, L"2e35", false},
        {1074, One::IDC_SD_EDIT, L"1e35", true},       {1073, One::IDC_VALUE_EDIT, L"-1e9", true},
        {1073, One::IDC_CONFIDENCE_EDIT, L"1", false}, {1073, One::IDC_CONFIDENCE_EDIT, L"", true},
    };
    for (const Row& row : rows) {
        bool accepted = false;
        Launch(row.command, [&](CGUIBaseDlg& page) {
            Add(page, One::IDC_SOURCE_LIST, {L"y", L"z"}, One::IDC_ADD);
            page.UserTypeText(row.edit, row.text);
            accepted = Ok(page);
            return IDCANCEL;
        });
        EXPECT_EQ(accepted, row.accepted) << row.command << " " << row.edit << " '" << row.text << "'";
    }
    // An emptied confidence keeps the level it had.
    EXPECT_EQ(Kept(1073).back(), L"TTEST y z = -1e+09 /");
}

TEST_F(TestDialogs, ResetKeepsTheHypothesizedMean) {
    Launch(1073, [&](CGUIBaseDlg& page) {
        Add(page, One::IDC_SOURCE_LIST, {L"y"}, One::IDC_ADD);
        page.UserTypeText(One::IDC_VALUE_EDIT, L"3");
        page.UserTypeText(One::IDC_CONFIDENCE_EDIT, L"0.9");
        page.UserCheck(One::IDC_BONFERRONI, 1);
        page.UserCombo(One::IDC_ALTERNATIVE_COMBO, 0);
        page.UserClick(IDC_RESET);
        EXPECT_EQ(page.GetCtrlWindowText(One::IDC_VALUE_EDIT), L"3");
        EXPECT_EQ(page.GetCtrlWindowText(One::IDC_CONFIDENCE_EDIT), L"0.95");
        EXPECT_FALSE(page.IsCtrlChecked(One::IDC_BONFERRONI));
        Add(page, One::IDC_SOURCE_LIST, {L"z"}, One::IDC_ADD);
        return IDOK;
    });
    EXPECT_EQ(Kept(1073), (Lines{L"HYPOTHESIS", L"TTEST z = 3 /"}));
}

// The two-sample pages' starting controls are the hypotheses_means scenario's.
TEST_F(TestDialogs, CaptionsOutsideTheTables) {
    // A caption outside the tables: the one-sample page is left without a test, the two-sample one
    // is a fault.
    CTestingOneSampleTabDlg one;
    one.SetDlgCaptionID(2321);
    EXPECT_TRUE(host.assertions.empty());
    EXPECT_EQ(one.PageDlg<0>().GetDlgCaptionID(), 0u);
    CTestingTwoSampleTabDlg two;
    two.SetDlgCaptionID(2319);
    EXPECT_EQ(host.assertions.size(), 1u);
}

// Only the variance test warns, and only for more than two groups; no test takes the grouping variable
// as the variable tested too.
TEST_F(TestDialogs, AGroupingVariableOfMoreThanTwoGroupsWarnsTheVarianceTest) {
    struct Row {
        UINT command;
        int groups;
        bool warned;
    };
    for (const Row& row : {Row{1083, 2, false}, Row{1083, 3, true}, Row{1077, 3, false}}) {
        host.data.groups = row.groups;
        host.warnings.clear();
        Launch(row.command, [&](CGUIBaseDlg& page) {
            Add(page, Two::IDC_SOURCE_LIST, {L"g"}, Two::IDC_GROUP_ADD);
            Add(page, Two::IDC_SOURCE_LIST, {L"g"}, Two::IDC_ADD);
            EXPECT_FALSE(Ok(page));
            page.UserSelect(Two::IDC_SELECTED_LIST, {L"g"});
            page.UserClick(Two::IDC_REMOVE);
            Add(page, Two::IDC_SOURCE_LIST, {L"y"}, Two::IDC_ADD);
            return IDOK;
        });
        EXPECT_NE(Kept(row.command).back().find(L"y * g"), std::wstring::npos) << row.command;
        EXPECT_EQ(host.warnings.size(), row.warned ? 1u : 0u) << row.command << " " << row.groups;
    }
}

TEST_F(TestDialogs, ProportionCountsAreCheckedAgainstEachOther) {
    struct Row {
        UINT command;
        UINT edit;
        const wchar_t* text;
        bool accepted;
    };
    const Row rows[] = {
        {1079, Prop::IDC_SUCCESSES_EDIT, L"11", false},
        {1079, Prop::IDC_SUCCESSES_EDIT, L"0", false},
        {1079, Prop::IDC_SUCCESSES_EDIT, L"10", true},
        {1080, Props::IDC_SUCCESSES_TWO_EDIT, L"11", false},
        {1080, Props::IDC_SUCCESSES_TWO_EDIT, L"0", true},
    };
    for (const Row& row : rows) {
        const bool one = row.command == 1079;
        // Counts of 10 trials and 5 successes accepted first: a count typed then is a change.
        const auto type = [&](CGUIBaseDlg& page, UINT edit, const wchar_t* text) {
            page.UserRadio(one ? UINT{Prop::IDC_AGGREGATE_RADIO} : UINT{Props::IDC_AGGREGATE_RADIO});
            for (UINT count :
                 one ? std::vector<UINT>{Prop::IDC_TRIALS_EDIT, Prop::IDC_SUCCESSES_EDIT}
                     : std::vector<UINT>{Props::IDC_TRIALS_ONE_EDIT, Props::IDC_SUCCESSES_ONE_EDIT,
                                         Props::IDC_TRIALS_TWO_EDIT, Props::IDC_SUCCESSES_TWO_EDIT})
                page.UserTypeText(count, count == Prop::IDC_TRIALS_EDIT ||
                                                 count == Props::IDC_TRIALS_ONE_EDIT ||
                                                 count == Props::IDC_TRIALS_TWO_EDIT
                                             ? L"10"
                                             : L"5");
            page.UserTypeText(edit, text);
            return Ok(page);
        };
        Launch(row.command, [&](CGUIBaseDlg& page) { return type(page, row.edit, L"5") ? IDOK : IDCANCEL; });
        host.messages.clear();
        bool accepted = false;
        Launch(row.command, [&](CGUIBaseDlg& page) {
            accepted = type(page, row.edit, row.text);
            return IDCANCEL;
        });
        EXPECT_EQ(accepted, row.accepted) << row.command << " '" << row.text << "'";
        EXPECT_EQ(host.messages, Said(std::wstring(row.text) == L"11" ? 12847 : 0)) << row.command;
    }
}

TEST_F(TestDialogs, TwoCorrelationsCheckBothSets) {
    for (const auto& [first, second, message] :
         {std::tuple{1, 2, 12845u}, std::tuple{2, 1, 12846u}, std::tuple{2, 2, 0u}}) {
        host.messages.clear();
        Launch(1071, [&](CGUIBaseDlg& page) {
            EXPECT_FALSE(page.IsCtrlEnabled(CTestingTwoCorrelationsDlg::IDC_CONFIDENCE_EDIT));
            const std::vector<CString> names = {L"y", L"z"};
            Add(page, CTestingTwoCorrelationsDlg::IDC_SOURCE_LIST, {names.begin(), names.begin() + first},
                CTestingTwoCorrelationsDlg::IDC_SET_ONE_ADD);
            Add(page, CTestingTwoCorrelationsDlg::IDC_SOURCE_LIST, {names.begin(), names.begin() + second},
                CTestingTwoCorrelationsDlg::IDC_SET_TWO_ADD);
            return IDOK;
        });
        EXPECT_EQ(host.messages, Said(message));
    }
    EXPECT_EQ(Kept(1071).back(), L"TCORR y z = y z");
}

// ---- nonparametric -------------------------------------------------------------------------------------

TEST_F(TestDialogs, SeveralVariancesHaveNoSaveFile) {
    Launch(1082, [&](CGUIBaseDlg& page) {
        EXPECT_FALSE(page.IsCtrlVisible(CKwDlg::IDC_SAVE_CHECK));
        EXPECT_FALSE(page.IsCtrlVisible(CKwDlg::IDC_SAVE_FILE));
        Add(page, CKwDlg::IDC_SOURCE_LIST, {L"y"}, CKwDlg::IDC_ADD);
        Add(page, CKwDlg::IDC_SOURCE_LIST, {L"g"}, CKwDlg::IDC_GROUP_ADD);
        return IDOK;
    });
    EXPECT_EQ(Kept(1082), (Lines{L"HYPOTHESIS", L"VARI y * g"}));
    Launch(1016, [&](CGUIBaseDlg& page) {
        EXPECT_TRUE(page.IsCtrlVisible(CKwDlg::IDC_SAVE_CHECK));
        EXPECT_FALSE(page.IsCtrlEnabled(CKwDlg::IDC_SAVE_FILE));
        return IDCANCEL;
    });
}

TEST_F(TestDialogs, GroupingAndBlockingWarnWhenAlone) {
    using Q = CQuadeDlg;
    struct Row {
        bool group;
        bool block;
        UINT warning;
    };
    for (const Row& row : {Row{true, false, 13151}, Row{false, true, 13152}, Row{true, true, 0}}) {
        host.warnings.clear();
        Launch(1090, [&](CGUIBaseDlg& page) {
            EXPECT_EQ(page.GetToolTip(Q::IDC_GROUP_ADD),
                      L"If grouping variable is specified, then blocking variable should also be specified.");
            EXPECT_EQ(page.GetToolTip(Q::IDC_BLOCK_ADD),
                      L"If blocking variable is specified, then grouping variable should also be specified.");
            page.UserClick(IDC_RESET);
            Add(page, Q::IDC_SOURCE_LIST, {L"y"}, Q::IDC_ADD);
            if (row.group)
                Add(page, Q::IDC_SOURCE_LIST, {L"g"}, Q::IDC_GROUP_ADD);
            if (row.block)
                Add(page, Q::IDC_SOURCE_LIST, {L"b"}, Q::IDC_BLOCK_ADD);
            CString message;
            static_cast<Q&>(page).ValidateGroupBlock(message);
            EXPECT_EQ(message, row.warning ? GetString(row.warning) : CString());
            page.UserCheck(Q::IDC_PAIRWISE_CHECK, 1);
            return IDOK;
        });
        EXPECT_EQ(host.warnings.size(), row.warning ? 1u : 0u);
    }
    EXPECT_EQ(Kept(1090).back(), L"QUADE y = g b / MULTIPLE");
    // Friedman has no pairwise comparisons; strings are never tested.
    Launch(1013, [&](CGUIBaseDlg& page) {
        EXPECT_FALSE(page.IsCtrlEnabled(Q::IDC_PAIRWISE_CHECK));
        page.UserSelect(Q::IDC_SOURCE_LIST, {L"Region"});
        EXPECT_FALSE(page.IsCtrlEnabled(Q::IDC_ADD));
        return IDCANCEL;
    });
}

}  // namespace
