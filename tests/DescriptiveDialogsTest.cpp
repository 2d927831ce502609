// The descriptive-statistics dialogs: the four composites launched from their menu group, their pages
// (statistics, percentiles, stem-and-leaf) and the resampling page.

#include <gtest/gtest.h>

#include "DialogTestUtil.h"
#include "Msg/DescriptiveStatisticsMsg.h"
#include "Private/StatisticsDlg.h"
#include "Private/StatisticsTabDlg.h"
#include "Private/StatisticsTilesDlg.h"
#include "Private/StemPlotDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using Lines = std::vector<std::wstring>;
using Stats = CStatisticsDlg;
using Tiles = CStatisticsTilesDlg;
using Boot = CBootStrapDlg;

constexpr UINT kColumnStatistics = 1060;
constexpr UINT kColumnStem = 1061;
constexpr UINT kRowStatistics = 1062;
constexpr UINT kRowStem = 1063;

// The single statistics the all-options box covers.
constexpr UINT kStatisticBoxes[] = {
    Stats::IDC_N,     Stats::IDC_MEAN,     Stats::IDC_SD,  Stats::IDC_SKEWNESS, Stats::IDC_MINIMUM,
    Stats::IDC_SEM,   Stats::IDC_CV,       Stats::IDC_SES, Stats::IDC_MAXIMUM,  Stats::IDC_CIM,
    Stats::IDC_RANGE, Stats::IDC_KURTOSIS, Stats::IDC_SUM, Stats::IDC_MEDIAN,   Stats::IDC_VARIANCE,
    Stats::IDC_SEK,   Stats::IDC_GM,       Stats::IDC_HM,  Stats::IDC_TRMEAN};

std::map<UINT, int> CheckStates(const CGUIBaseDlg& page) {
    std::map<UINT, int> states;
    for (UINT id : kStatisticBoxes)
        states[id] = page.IsCtrlChecked(id);
    return states;
}

class DescriptiveDialogs : public MenuDialogs<CDescriptiveStatisticsMsg> {
protected:
    DescriptiveDialogs() {
        host.data.cases = 60;
        for (const wchar_t* name : {L"x", L"y", L"z"})
            host.data.AddNumeric(name);
        host.data.AddString(L"Region");
        CStatisticsDlg::m_mapIDS2State.clear();
        CStatisticsTilesDlg::m_mapIDS2State.clear();
    }

    // The kept composite record, made before its first opening.
    template <class Tab>
    Tab& Keep(UINT command) {
        auto* tab = new Tab;
        host.StoreDialogRecord(command, tab);
        return *tab;
    }
};

// ---- launch -----------------------------------------------------------------------------------------------

TEST_F(DescriptiveDialogs, ACaptionOutsideTheTableIsReportedAndLeavesThePagesAlone) {
    CStatisticsTabData record;
    CStatisticsTabDlg dlg;
    dlg.SetData(&record);
    dlg.SetDlgCaptionID(2272);
    ASSERT_EQ(host.assertions.size(), 1u);
    EXPECT_EQ(record.GetVariantID(), 2272u);
    EXPECT_EQ(record.Page<CStatisticsData>().GetVariantID(), 2045u);
    EXPECT_EQ(dlg.PageDlg<0>().GetDlgCaptionID(), 0u);
}

// ---- pages never shown, reset -----------------------------------------------------------------------------

TEST_F(DescriptiveDialogs, PagesNeverShownKeepTheirRecordsForLinesAndArchive) {
    auto& kept = Keep<CStatisticsTabData>(kColumnStatistics);
    auto& tiles = kept.Page<CStatisticsTilesData>();
    tiles.PercentileCheck = 1;
    tiles.PercentileEdit = L"10 90";
    tiles.ClevelandCheck = 0;
    kept.Page<CBootStrapData>().BootStrapCheck = 1;
    kept.Page<CBootStrapData>().MethodCombo = CBootStrapData::MethodJackknife;

    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& statistics = Page(dlg, 0);
        statistics.UserSelect(Stats::IDC_SOURCE_LIST, {L"x", L"z"});
        statistics.UserClick(Stats::IDC_ADD);
        return IDOK;
    });
    // The resampling page's record says resampling is on: the statistics line has no options, and the
    // percentiles bring their own slash.
    const Lines expected{L"CSTATISTICS x z/ PTILE = 10 90", L"BOOTSTRAP / METHOD = JACKKNIFE"};
    EXPECT_EQ(KeptLines(kColumnStatistics), expected);
    EXPECT_EQ(kept.Page<CStatisticsData>().BootStrapChecked, 1);

    // Read back into the kept record, the pages show it when they are first shown.
    const auto bytes = Store(kept);
    kept.Page<CStatisticsTilesData>() = CStatisticsTabData::GetDefaultStatisticsTiles();
    kept.Page<CBootStrapData>().BootStrapCheck = 0;
    CArchive again(bytes);
    kept.Serialize(again);
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 1);
        EXPECT_TRUE(page.IsCtrlChecked(Tiles::IDC_PERCENTILE_CHECK));
        EXPECT_EQ(page.GetCtrlWindowText(Tiles::IDC_PERCENTILE_EDIT), L"10 90");
        EXPECT_TRUE(Page(dlg, 2).IsCtrlChecked(Boot::IDC_BOOTSTRAP_CHECK));
        return IDCANCEL;
    });
}

// ---- the statistics page ----------------------------------------------------------------------------------

TEST_F(DescriptiveDialogs, AllOptionsBoxRestoresEveryBoxItChecked) {
    std::map<UINT, int> before;
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        page.UserCheck(Stats::IDC_N, 0);
        page.UserCheck(Stats::IDC_MEDIAN, 1);
        page.UserCheck(Stats::IDC_HM, 1);
        before = CheckStates(page);

        page.UserCheck(Stats::IDC_ALL_OPTIONS, 1);
        for (UINT id : kStatisticBoxes)
            EXPECT_TRUE(page.IsCtrlChecked(id)) << id;
        EXPECT_TRUE(page.IsCtrlEnabled(Stats::IDC_CIM_EDIT));
        EXPECT_TRUE(page.IsCtrlEnabled(Stats::IDC_TRMEAN_EDIT));
        EXPECT_TRUE(page.IsCtrlEnabled(Stats::IDC_TRMEAN_COMBO));
        page.UserCheck(Stats::IDC_ALL_OPTIONS, 0);
        EXPECT_EQ(CheckStates(page), before);
        EXPECT_FALSE(page.IsCtrlEnabled(Stats::IDC_CIM_EDIT));
        EXPECT_FALSE(page.IsCtrlEnabled(Stats::IDC_TRMEAN_EDIT));

        page.UserCheck(Stats::IDC_ALL_OPTIONS, 1);
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kColumnStatistics), Lines{L"CSTATISTICS  / ALL"});

    // The kept states outlive the dialog: unchecking in a later opening still gives them back.
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        page.UserCheck(Stats::IDC_ALL_OPTIONS, 0);
        EXPECT_EQ(CheckStates(page), before);
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kColumnStatistics), Lines{L"CSTATISTICS  / MIN MAX MEAN MEDIAN SD HMEAN"});

    // A statistic unchecked under the all-options box unchecks it and gives nothing back.
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        page.UserCheck(Stats::IDC_ALL_OPTIONS, 1);
        page.UserCheck(Stats::IDC_MEAN, 0);
        EXPECT_FALSE(page.IsCtrlChecked(Stats::IDC_ALL_OPTIONS));
        EXPECT_FALSE(page.IsCtrlChecked(Stats::IDC_MEAN));
        EXPECT_TRUE(page.IsCtrlChecked(Stats::IDC_N));
        EXPECT_TRUE(page.IsCtrlChecked(Stats::IDC_VARIANCE));
        return IDCANCEL;
    });
}

// The multivariate and interval boxes are the descriptive_column scenario's.
TEST_F(DescriptiveDialogs, SaveFilePairOfTheStatisticsPageAndASingleSourceVariable) {
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        page.UserDblClick(Stats::IDC_SOURCE_LIST, L"x");
        EXPECT_FALSE(page.IsCtrlEnabled(Stats::IDC_SAVE_COMBO));
        EXPECT_FALSE(page.IsCtrlEnabled(Stats::IDC_SAVE_FILE));
        page.UserCheck(Stats::IDC_SAVE_CHECK, 1);
        EXPECT_TRUE(page.IsCtrlEnabled(Stats::IDC_SAVE_COMBO));
        EXPECT_TRUE(page.IsCtrlEnabled(Stats::IDC_SAVE_FILE));
        page.UserTypeText(Stats::IDC_SAVE_FILE, L"stats");
        page.UserCombo(Stats::IDC_SAVE_COMBO, 1);
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kColumnStatistics),
              (Lines{L"SAVE VARIABLES \"stats.tvz\" S", L"CSTATISTICS x / N MIN MAX MEAN SD"}));

    // A source of one variable allows no multivariate statistic, even with none selected.
    host.data.variables.resize(1);
    Launch(kRowStatistics, [&](CGUIBaseDlg& dlg) {
        EXPECT_FALSE(Page(dlg, 0).IsCtrlEnabled(Stats::IDC_HZTEST));
        return IDCANCEL;
    });
}

TEST_F(DescriptiveDialogs, ConfidenceAndTrimmingRanges) {
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        EXPECT_EQ(page.GetToolTip(Stats::IDC_CIM_EDIT), L"(0.0, 100.0)");
        EXPECT_EQ(page.GetToolTip(Stats::IDC_TRMEAN_EDIT), L"(0.0, 0.5)");
        page.UserCheck(Stats::IDC_CIM, 1);
        page.UserTypeText(Stats::IDC_CIM_EDIT, L"100");
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(LastStatus(), L"Enter a number in (0, 100)");
        page.UserTypeText(Stats::IDC_CIM_EDIT, L"99");

        page.UserCheck(Stats::IDC_TRMEAN, 1);
        EXPECT_TRUE(page.IsCtrlEnabled(Stats::IDC_TRMEAN_COMBO));
        page.UserTypeText(Stats::IDC_TRMEAN_EDIT, L"0.6");
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(LastStatus(), L"Enter a number in (0, 0.5)");
        // One tail trimmed: up to the whole sample.
        page.UserCombo(Stats::IDC_TRMEAN_COMBO, 2);
        EXPECT_EQ(page.GetToolTip(Stats::IDC_TRMEAN_EDIT), L"(0.0, 1.0)");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kColumnStatistics),
              Lines{L"CSTATISTICS  / N MIN MAX MEAN CONFI = 99 SD TRMEAN = 0.6 TREGION = UPPER"});

    // With the trimmed mean off, its edit is not checked.
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        page.UserCombo(Stats::IDC_TRMEAN_COMBO, 0);
        page.UserTypeText(Stats::IDC_TRMEAN_EDIT, L"0.9");
        page.UserCheck(Stats::IDC_TRMEAN, 0);
        EXPECT_FALSE(page.IsCtrlEnabled(Stats::IDC_TRMEAN_EDIT));
        EXPECT_FALSE(page.IsCtrlEnabled(Stats::IDC_TRMEAN_COMBO));
        EXPECT_TRUE(dlg.OnOK());
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kColumnStatistics), Lines{L"CSTATISTICS  / N MIN MAX MEAN CONFI = 99 SD"});
}

TEST_F(DescriptiveDialogs, ResamplingTurnedOnInItsPageLeavesTheKeywordAndVariables) {
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& statistics = Page(dlg, 0);
        statistics.UserSelect(Stats::IDC_SOURCE_LIST, {L"x", L"y"});
        statistics.UserClick(Stats::IDC_ADD);
        statistics.UserCheck(Stats::IDC_ALL_OPTIONS, 1);
        Page(dlg, 2).UserCheck(Boot::IDC_BOOTSTRAP_CHECK, 1);
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kColumnStatistics), (Lines{L"CSTATISTICS x y", L"BOOTSTRAP / SAMPLES = 1000"}));

    // Turned off again (the statistics page reads the check before the resampling page is stored).
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        Page(dlg, 2).UserCheck(Boot::IDC_BOOTSTRAP_CHECK, 0);
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kColumnStatistics), Lines{L"CSTATISTICS x y / ALL"});
}

// ---- the percentiles page ---------------------------------------------------------------------------------

TEST_F(DescriptiveDialogs, PercentilesPageEnablingMethodsAndRange) {
    Launch(kColumnStatistics, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 1);
        EXPECT_EQ(page.GetToolTip(Tiles::IDC_NTILE_EDIT), L"[2, 100]");
        EXPECT_EQ(page.GetToolTip(Tiles::IDC_PERCENTILE_EDIT), GetString(Tiles::kPercentileToolTip));
        EXPECT_FALSE(GetString(Tiles::kPercentileToolTip).IsEmpty());
        const UINT nTileControls[] = {Tiles::IDC_NTILE_EDIT, Tiles::IDC_SOURCE_LIST, Tiles::IDC_SELECTED_LIST,
                                      Tiles::IDC_VALUES_EDIT, Tiles::IDC_CLASSIFY_GROUP};
        for (UINT id : nTileControls)
            EXPECT_FALSE(page.IsCtrlEnabled(id)) << id;
        EXPECT_FALSE(page.IsCtrlEnabled(Tiles::IDC_ALL_METHODS));
        EXPECT_FALSE(page.IsCtrlEnabled(Tiles::IDC_ADD));

        page.UserCheck(Tiles::IDC_PERCENTILE_CHECK, 1);
        EXPECT_TRUE(page.IsCtrlEnabled(Tiles::IDC_ALL_METHODS));
        EXPECT_TRUE(page.IsCtrlEnabled(Tiles::IDC_WTDAVG3));
        EXPECT_TRUE(page.IsCtrlEnabled(Tiles::IDC_PERCENTILE_EDIT));
        EXPECT_FALSE(page.IsCtrlEnabled(Tiles::IDC_NTILE_EDIT));

        page.UserCheck(Tiles::IDC_NTILE_CHECK, 1);
        for (UINT id : nTileControls)
            EXPECT_TRUE(page.IsCtrlEnabled(id)) << id;
        page.UserSelect(Tiles::IDC_SOURCE_LIST, {L"z"});
        EXPECT_TRUE(page.IsCtrlEnabled(Tiles::IDC_ADD));
        page.UserContext(Tiles::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);

        // The untouched n-tile count is not checked; 1 and 101 are refused, 2 and 100 pass.
        for (const wchar_t* bad : {L"1", L"101"}) {
            page.UserTypeText(Tiles::IDC_NTILE_EDIT, bad);
            EXPECT_FALSE(dlg.OnOK()) << bad;
        }
        page.UserTypeText(Tiles::IDC_NTILE_EDIT, L"2");
        EXPECT_TRUE(page.OKLike());
        page.UserTypeText(Tiles::IDC_NTILE_EDIT, L"100");

        // All methods: kept and given back; a method unchecked under it unchecks it.
        page.UserCheck(Tiles::IDC_CLOSEST, 1);
        page.UserCheck(Tiles::IDC_ALL_METHODS, 1);
        EXPECT_TRUE(page.IsCtrlChecked(Tiles::IDC_EMPCDF));
        page.UserCheck(Tiles::IDC_ALL_METHODS, 0);
        EXPECT_TRUE(page.IsCtrlChecked(Tiles::IDC_CLEVELAND));
        EXPECT_TRUE(page.IsCtrlChecked(Tiles::IDC_CLOSEST));
        EXPECT_FALSE(page.IsCtrlChecked(Tiles::IDC_EMPCDF));
        page.UserCheck(Tiles::IDC_ALL_METHODS, 1);
        page.UserCheck(Tiles::IDC_CLEVELAND, 0);
        EXPECT_FALSE(page.IsCtrlChecked(Tiles::IDC_ALL_METHODS));
        EXPECT_TRUE(page.IsCtrlChecked(Tiles::IDC_EMPCDF));
        page.UserCheck(Tiles::IDC_EMPCDF, 0);
        page.UserCheck(Tiles::IDC_WTDAVG1, 0);
        page.UserCheck(Tiles::IDC_WTDAVG2, 0);
        page.UserCheck(Tiles::IDC_WTDAVG3, 0);
        page.UserTypeText(Tiles::IDC_VALUES_EDIT, L"1 2");
        return IDOK;
    });
    EXPECT_EQ(
        KeptLines(kColumnStatistics),
        Lines{L"CSTATISTICS  / N MIN MAX MEAN SD NTILE = 100 PTILE METHOD = CLOSEST EMPCDFAVG DATA = [1 2] "
              L"CLASSIFY = z"});
    EXPECT_EQ(host.sentMessages.size(), 2u);
    EXPECT_EQ(host.sentMessages[0].second, L"Enter a number in [2, 100]");
}

// ---- the stem-and-leaf page ------------------------------------------------------------------------------

TEST_F(DescriptiveDialogs, StemResetTakesTheUntouchedLinesBack) {
    Launch(kRowStem, [&](CGUIBaseDlg& dlg) {
        Page(dlg, 0).UserTypeText(CStemPlotDlg::IDC_LINES_EDIT, L"12");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kRowStem), Lines{L"RWSTEM / LINES=12"});
    Launch(kRowStem, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        page.UserClick(IDC_RESET);
        EXPECT_EQ(page.GetCtrlWindowText(CStemPlotDlg::IDC_LINES_EDIT), L"0");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(kRowStem), Lines{L"RWSTEM "});
}

}  // namespace
