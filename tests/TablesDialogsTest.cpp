// The dialogs of the tables menu, launched from their menu group: the pages' captions, what each page
// enables, the range checks, and the loglinear term buttons.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

#include "DialogTestUtil.h"
#include "Msg/TablesMsg.h"
#include "Private/LogLinTabDlg.h"
#include "Private/XTab2WayDlg.h"
#include "Private/XTabTabDlg.h"
#include "Private/XtabMultiwayStandDlg.h"

namespace {

using Lines = std::vector<std::wstring>;

class TablesDialogs : public MenuDialogs<CTablesMsg> {
protected:
    TablesDialogs() {
        for (const wchar_t* name : {L"A", L"B", L"C"})
            host.data.AddNumeric(name);
        host.data.AddString(L"Region");
    }
};

// ---- what each page enables ----------------------------------------------------------------------------

struct EnablingCase {
    const char* name;
    UINT command;
    int page;
    std::function<void(CGUIBaseDlg&)> act;
    UINT control;
    bool enabled;
};

const EnablingCase kEnabling[] = {
    {"OneWayIntervalNeedsPercentages", 1064, 0, [](CGUIBaseDlg&) {}, 5479, false},
    {"OneWayIntervalWithPercentages", 1064, 0, [](CGUIBaseDlg& p) { p.UserCheck(5487, 1); }, 5479, true},
    {"OneWayLevelNeedsTheInterval", 1064, 0, [](CGUIBaseDlg& p) { p.UserCheck(5487, 1); }, 5480, false},
    {"TwoWayThresholdFollowsShade", 1066, 0, [](CGUIBaseDlg& p) { p.UserCheck(5517, 1); }, 1225, true},
    {"TwoWaySaveTypeFollowsSave", 1066, 0, [](CGUIBaseDlg&) {}, 5511, false},
    {"MeasuresConfidenceNeedsAnIntervalMeasure", 1066, 1, [](CGUIBaseDlg& p) { p.UserCheck(4805, 1); }, 4793,
     false},
    {"MeasuresConfidenceWithAnIntervalMeasure", 1087, 1, [](CGUIBaseDlg& p) { p.UserCheck(4809, 1); }, 4793,
     true},
    {"CellComboFollowsItsCheck", 1065, 1, [](CGUIBaseDlg& p) { p.UserCheck(5529, 1); }, 5530, true},
    {"StandardizedThresholdFollowsShade", 1087, 0, [](CGUIBaseDlg& p) { p.UserCheck(1234, 1); }, 1236, true},
    {"LogLinearOrderNeedsTwoSelectedFactors", 1004, 0, [](CGUIBaseDlg& p) { p.UserSelect(1242, {L"A"}); },
     1244, false},
    {"LogLinearCrossedTermsWaitWhileAnOrderIsTyped", 1004, 0,
     [](CGUIBaseDlg& p) {
         p.UserSelect(1242, {L"A", L"B"});
         p.UserTypeText(1244, L"2");
     },
     1249, false},
    {"LogLinearTypedModelEditFollowsItsRadio", 1004, 0, [](CGUIBaseDlg& p) { p.UserRadio(1211); }, 2580,
     true},
    {"LogLinearParametersLevelFollowsParameters", 1004, 2, [](CGUIBaseDlg& p) { p.UserCheck(1297, 1); }, 1299,
     true},
};

class TablesEnabling : public TablesDialogs, public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(TablesEnabling, ControlState) {
    const EnablingCase& c = GetParam();
    bool enabled = !c.enabled;
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, c.page);
        c.act(page);
        enabled = page.IsCtrlEnabled(c.control) != 0;
        return IDCANCEL;
    });
    EXPECT_EQ(enabled, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Tables, TablesEnabling, ::testing::ValuesIn(kEnabling),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- range checks --------------------------------------------------------------------------------------

TEST_F(TablesDialogs, MeasuresConfidenceIsCheckedStrictlyInsideZeroAndOne) {
    Launch(1066, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& table = Page(dlg, 0);
        table.UserSelect(5504, {L"A"});
        table.UserClick(5495);
        table.UserSelect(5504, {L"B"});
        table.UserClick(5494);
        CGUIBaseDlg& measures = Page(dlg, 1);
        measures.UserCheck(4803, 1);
        measures.UserTypeText(4793, L"1");
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(LastStatus(), L"Enter a number in (0, 1)");
        measures.UserTypeText(4793, L"0.9");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1066), (Lines{L"TABLES", L"PLENGTH NONE / FREQ CHISQ ODDS",
                                      L"TABULATE A * B / CONFI = 0.9", L"PLENGTH MEDIUM"}));
}

TEST_F(TablesDialogs, OneWayLevelOutsideZeroAndOneIsRefusedUntilAnItemIsChosen) {
    auto* kept = new CXTab1WayTabData;
    kept->Page<CXTab1WayData>().PercentagesCheck = kept->Page<CXTab1WayData>().ConfIintervalCheck = 1;
    kept->Page<CXTab1WayData>().ConfidenceLevelCombo = L"1.5";
    kept->Page<CXTab1WayData>().SelectedVariableList = Variables({L"Region"});
    host.StoreDialogRecord(1064, kept);
    Launch(1064, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& table = Page(dlg, 0);
        EXPECT_FALSE(dlg.OnOK());
        table.UserCombo(5480, 0);
        return IDOK;
    });
    EXPECT_EQ(kept->Page<CXTab1WayData>().ConfidenceLevelCombo, L"0.90");
}

TEST_F(TablesDialogs, ThresholdMustBeAboveZero) {
    Launch(1087, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& table = Page(dlg, 0);
        table.UserCheck(1234, 1);
        table.UserTypeText(1236, L"0");
        EXPECT_FALSE(dlg.OnOK());
        table.UserTypeText(1236, L"2");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1087)[2], L"STD  *  / SHADE = 2");
}

// Each cell statistic's check writes its own keyword on the print line, on the two-way page and on the
// standardized one, which exchange the same checks under their own identifiers (frequencies stay on).
struct CellPage {
    UINT command, source, addRow, addColumn;
    std::vector<UINT> checks;
};
template <class Page>
CellPage CellPageOf(UINT command) {
    return {command,
            Page::IDC_SOURCE_LIST,
            Page::IDC_ADD_ROW,
            Page::IDC_ADD_COLUMN,
            {Page::IDC_TABLE_PERCENTS_CHECK, Page::IDC_ROW_PERCENTS_CHECK, Page::IDC_COLUMN_PERCENTS_CHECK,
             Page::IDC_EXPECTED_CHECK, Page::IDC_DEVIATES_CHECK, Page::IDC_STANDARD_DEVIATES_CHECK,
             Page::IDC_TCP_CHECK}};
}

TEST_F(TablesDialogs, EachCellCheckWritesItsOwnKeyword) {
    const std::wstring keywords[] = {L"PERCENT", L"ROWPCT", L"COLPCT", L"EXPECT", L"DEVI", L"STAND", L"TCP"};
    for (const CellPage& page : {CellPageOf<CXTab2WayDlg>(1066), CellPageOf<CXtabMultiwayStandDlg>(1087)})
        for (std::size_t i = 0; i < page.checks.size(); ++i) {
            Launch(page.command, [&](CGUIBaseDlg& dlg) {
                CGUIBaseDlg& table = Page(dlg, 0);
                table.UserSelect(page.source, {L"A"});
                table.UserClick(page.addRow);
                table.UserSelect(page.source, {L"B"});
                table.UserClick(page.addColumn);
                for (std::size_t j = 0; j < page.checks.size(); ++j)
                    table.UserCheck(page.checks[j], j == i);
                return IDOK;
            });
            std::set<std::wstring> words;
            for (const auto& line : KeptLines(page.command))
                if (line.rfind(L"PLENGTH NONE /", 0) == 0)
                    for (std::wistringstream in(line); in;) {
                        std::wstring word;
                        in >> word;
                        words.insert(word);
                    }
            for (std::size_t j = 0; j < page.checks.size(); ++j)
                EXPECT_EQ(words.count(keywords[j]), j == i ? 1u : 0u) << page.command << " " << i;
        }
}

// ---- loglinear model terms -----------------------------------------------------------------------------

TEST_F(TablesDialogs, TermButtonsBuildTheModel) {
    Launch(1004, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& model = Page(dlg, 0);
        model.UserSelect(1242, {L"A", L"B", L"C"});
        model.UserClick(1245);           // all three are the table's factors
        model.UserTypeText(1244, L"2");  // "+" with order 2: every two-factor interaction
        model.UserClick(1248);
        model.UserTypeText(1244, L"");
        model.UserSelect(1242, {L"A", L"B"});
        model.UserClick(1250);  // the full factorial of A and B
        model.UserCheck(1273, 1);
        model.UserClick(1249);  // less A*B
        model.UserClick(1249);  // a term already there is not added again
        model.UserSelect(1255, {L"B*C"});
        model.UserClick(1251);
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1004)[1], L"MODEL A*B*C = A*B+A*C+A#B-A*B");
    EXPECT_TRUE(host.warnings.empty());
}

TEST_F(TablesDialogs, TermsNamingAVariableOutsideTheTableWarnAndAreKept) {
    Launch(1004, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& model = Page(dlg, 0);
        model.UserSelect(1242, {L"A"});
        model.UserClick(1245);
        model.UserSelect(1242, {L"B"});
        model.UserClick(1248);
        return IDOK;
    });
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], L"The model names a variable that is not a factor of the table.");
    EXPECT_EQ(KeptLines(1004)[1], L"MODEL A = B");
}

TEST_F(TablesDialogs, StructuralZeroCellsMustBeLevelsInParentheses) {
    Launch(1004, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& zeros = Page(dlg, 1);
        zeros.UserCheck(1284, 1);
        for (const wchar_t* bad : {L"1,2", L"(1,0)", L"(1,2", L"(a)", L""}) {
            zeros.UserTypeText(1285, bad);
            EXPECT_FALSE(dlg.OnOK()) << CString(bad).ToUtf8();
        }
        zeros.UserTypeText(1285, L" (1, 2) (10,1)");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1004)[4], L"ZERO / CELLS =  (1, 2) (10,1)");
}

}  // namespace
