// The dialogs of mixture designs, item analysis, scalogram analysis, conjoint analysis, perceptual
// mapping, path models and spatial statistics, launched from their menu groups as a user would: each
// opens and accepts its defaults, refuses a value out of range, enables what its choices use and
// refuses what does not fit.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <memory>

#include "DialogTestUtil.h"
#include "FakeHost.h"
#include "Msg/MonteCarloMsg.h"
#include "Msg/OpenProcedures.h"
#include "Msg/ScaleMsg.h"
#include "Msg/Stat1SingleMenuItemsMsg.h"
#include "Source/OpenDlgCommon.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using Lines = std::vector<std::wstring>;
using Action = std::function<void(CGUIBaseDlg&)>;

// The page the composite shows (a plain dialog is its own page 0).
CGUIBaseDlg& Page(CGUIBaseDlg& dlg, int page) {
    if (dlg.GetPageCount() == 0)
        return dlg;
    dlg.UserShowPage(page);
    return dlg.GetActiveControlsDialog();
}

class OpenDialogs : public ::testing::Test {
protected:
    OpenDialogs() {
        host.data.cases = 40;
        for (const wchar_t* name : {L"a", L"b", L"c"})
            host.data.AddNumeric(name);
        host.data.AddString(L"Region");
    }
    // Chooses the item in whichever group owns it; `actions` act on the dialog and return how it ends.
    void Launch(UINT command, std::function<int(CGUIBaseDlg&)> actions = {}) {
        ScriptedDriver driver(std::move(actions));
        std::unique_ptr<CMenuGroupTable> groups[] = {std::make_unique<CMonteCarloMsg>(&host),
                                                     std::make_unique<CScaleMsg>(&host),
                                                     std::make_unique<CStat1SingleMenuItemsMsg>(&host)};
        for (auto& group : groups)
            if (group->IsOwnCommand(command)) {
                EXPECT_TRUE(group->OnTKCommand(command));
            }
        EXPECT_EQ(driver.runs, 1) << command;
    }
    Lines KeptLines(UINT command) { return LinesOf(*host.records.at(command)); }

    FakeHost host;
};

// ---- every item opens its dialog and accepts its defaults -----------------------------------------

struct LaunchCase {
    UINT command;
    UINT templateId;  // of the dialog, or of the first page of a composite
    UINT caption;
    Lines lines;
    friend void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.command; }
};

class OpenLaunch : public OpenDialogs, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(OpenLaunch, OpensItsDialogAndAcceptsTheDefaults) {
    const LaunchCase& c = GetParam();
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(Page(dlg, 0).GetTemplateID(), c.templateId);
        EXPECT_EQ(dlg.GetDlgCaptionID(), c.caption);
        return IDOK;
    });
    ASSERT_EQ(host.runs.size(), 1u);
    EXPECT_EQ(host.runs[0].first, c.command);
    EXPECT_EQ(KeptLines(c.command), c.lines);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.assertions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenLaunch,
    ::testing::Values(
        LaunchCase{1088, CRsMixtureDlg::IDD, 0, {L"MIXTURE", L"LATTICE"}},
        LaunchCase{1020, CPermapDlg::IDD, 0, {L"MAPPING", L"PMAP a b"}},
        LaunchCase{1059, CPosacDlg::IDD, 2236, {L"POSAC", L"POSAC a b c"}},
        LaunchCase{1001, CConjointDlg::IDD, 2052, {L"CONJOINT", L"CONJOINT a = b"}},
        LaunchCase{1037, CTestAtClDlg::IDD, 2302, {L"ITEMS", L"CLASSICAL a b c / STATS ALPHA"}},
        LaunchCase{1038, CTestAtLogDlg::IDD, 2303, {L"ITEMS", L"LOGISTIC a b c"}},
        LaunchCase{1033, CRamonaDlg::IDD, 2255, {L"PATH", L"MODEL F1 -> a b c / LATENT = F1", L"ESTIMATE"}},
        LaunchCase{1055,
                   CSpatialDlg::IDD,
                   2282,
                   {L"SPATIAL", L"SPATIAL c / X = a Y = b", L"MODEL", L"GRID", L"VARIOGRAM", L"KRIGE"}}),
    [](const auto& p) { return std::to_string(p.param.command); });

// ---- a value out of range keeps the dialog open ---------------------------------------------------

struct RangeCase {
    const char* name;
    UINT command;
    int page;
    Action enable;  // what makes the edit usable
    UINT edit;
    const wchar_t* text;
    const wchar_t* message;
    friend void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }
};

class OpenRanges : public OpenDialogs, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(OpenRanges, RefuseAValueOutOfRange) {
    const RangeCase& c = GetParam();
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, c.page);
        if (c.enable)
            c.enable(page);
        page.UserTypeText(c.edit, c.text);
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(Page(dlg, c.page).Ctrl(c.edit).m_color, kColorInvalid);
        return IDCANCEL;
    });
    ASSERT_FALSE(host.sentMessages.empty());
    EXPECT_EQ(host.sentMessages.back().second, c.message);
    EXPECT_TRUE(host.runs.empty());
}

Action Check(UINT id, int state = 1) {
    return [id, state](CGUIBaseDlg& page) { page.UserCheck(id, state); };
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenRanges,
    ::testing::Values(
        RangeCase{"Components",
                  1088,
                  0,
                  {},
                  CRsMixtureDlg::IDC_COMPONENTS_EDIT,
                  L"13",
                  L"Enter a number in [2, 12]"},
        RangeCase{"DimensionsAboveTheVariables",
                  1020,
                  0,
                  {},
                  CPermapDlg::IDC_DIMENSIONS_EDIT,
                  L"3",
                  L"Enter a number in [1, 2]"},
        RangeCase{"Categories", 1059, 0, Check(CPosacDlg::IDC_CATEGORIES_CHECK),
                  CPosacDlg::IDC_CATEGORIES_EDIT, L"1", L"Enter a number in [2, 20]"},
        RangeCase{"Convergence",
                  1001,
                  0,
                  {},
                  CConjointDlg::IDC_CONVERGENCE_EDIT,
                  L"0",
                  L"Enter a number in (0, 0.1]"},
        RangeCase{
            "Groups", 1037, 0, {}, CTestAtClDlg::IDC_GROUPS_EDIT, L"0.6", L"Enter a number in (0, 0.5]"},
        RangeCase{"Iterations",
                  1038,
                  0,
                  {},
                  CTestAtLogDlg::IDC_ITERATIONS_EDIT,
                  L"0",
                  L"Enter a number in [1, +inf)"},
        RangeCase{"StartValue", 1033, 1, Check(CRamonaOptionsDlg::IDC_START_CHECK),
                  CRamonaOptionsDlg::IDC_START_EDIT, L"0", L"Enter a number in (0, 1]"},
        RangeCase{"CellSize", 1055, 0, Check(CSpatialDlg::IDC_DECLUSTER_CHECK),
                  CSpatialDlg::IDC_CELL_SIZE_EDIT, L"0", L"Enter a number in (0, +inf)"},
        RangeCase{"AngleTolerance", 1055, 1, Check(CSpatialVarioDlg::IDC_DIRECTIONAL_CHECK),
                  CSpatialVarioDlg::IDC_TOLERANCE_EDIT, L"90.5", L"Enter a number in (0, 90]"},
        RangeCase{"SillAtTheNugget", 1055, 2,
                  [](CGUIBaseDlg& page) {
                      page.UserCheck(CSpatialModelOptsDlg::IDC_FIT_CHECK, 0);
                      page.UserTypeText(CSpatialModelOptsDlg::IDC_NUGGET_EDIT, L"0.5");
                  },
                  CSpatialModelOptsDlg::IDC_SILL_EDIT, L"0.5", L"Enter a number in (0.5, +inf)"},
        RangeCase{"MostPointsBelowFewest",
                  1055,
                  3,
                  {},
                  CSpatialKRigDlg::IDC_MAX_POINTS_EDIT,
                  L"3",
                  L"Enter a number in [4, 500]"},
        RangeCase{"GridMaximumAtItsMinimum", 1055, 4, Check(CSpatialGridDlg::IDC_EXTENT_CHECK),
                  CSpatialGridDlg::IDC_XMAX_EDIT, L"0", L"Enter a number in (0, +inf)"}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- controls follow the choices that use them ----------------------------------------------------

struct EnablingCase {
    const char* name;
    UINT command;
    int page;
    Action choose;
    UINT dependent;
    bool before, after;
    friend void PrintTo(const EnablingCase& c, std::ostream* os) { *os << c.name; }
};

class OpenEnabling : public OpenDialogs, public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(OpenEnabling, FollowsTheChoice) {
    const EnablingCase& c = GetParam();
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, c.page);
        EXPECT_EQ(page.IsCtrlEnabled(c.dependent) != 0, c.before);
        c.choose(page);
        EXPECT_EQ(page.IsCtrlEnabled(c.dependent) != 0, c.after);
        return IDCANCEL;
    });
}

Action Radio(UINT id) {
    return [id](CGUIBaseDlg& page) { page.UserRadio(id); };
}
Action Combo(UINT id, int index) {
    return [id, index](CGUIBaseDlg& page) { page.UserCombo(id, index); };
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenEnabling,
    ::testing::Values(
        EnablingCase{"BoundsWithVertices", 1088, 0, Radio(CRsMixtureDlg::IDC_VERTICES_RADIO),
                     CRsMixtureDlg::IDC_UPPER_EDIT, false, true},
        EnablingCase{"DegreeWithLattice", 1088, 0, Radio(CRsMixtureDlg::IDC_CENTROID_RADIO),
                     CRsMixtureDlg::IDC_DEGREE_EDIT, true, false},
        EnablingCase{"IterationsWithNonmetric", 1020, 0, Combo(CPermapDlg::IDC_METHOD_COMBO, 2),
                     CPermapDlg::IDC_CONVERGENCE_EDIT, false, true},
        EnablingCase{"CategoriesWithRecoding", 1059, 0, Check(CPosacDlg::IDC_CATEGORIES_CHECK),
                     CPosacDlg::IDC_CATEGORIES_EDIT, false, true},
        EnablingCase{"NoIterationsForLeastSquares", 1001, 0, Combo(CConjointDlg::IDC_LOSS_COMBO, 2),
                     CConjointDlg::IDC_ITERATIONS_EDIT, true, false},
        EnablingCase{"AlphaDeletedWithReliability", 1037, 0, Check(CTestAtClDlg::IDC_RELIABILITY_CHECK, 0),
                     CTestAtClDlg::IDC_ALPHA_DELETED_CHECK, true, false},
        EnablingCase{"KeyWithItsCheck", 1037, 0, Check(CTestAtClDlg::IDC_KEY_CHECK),
                     CTestAtClDlg::IDC_KEY_EDIT, false, true},
        EnablingCase{"ScoresWithSaving", 1038, 0, Check(CTestAtLogDlg::IDC_SAVE_CHECK),
                     CTestAtLogDlg::IDC_SCORES_COMBO, false, true},
        EnablingCase{"StartValueWithItsCheck", 1033, 1, Check(CRamonaOptionsDlg::IDC_START_CHECK),
                     CRamonaOptionsDlg::IDC_START_EDIT, false, true},
        EnablingCase{"FullCoordinateTakesNoMore", 1055, 0,
                     [](CGUIBaseDlg& page) { page.UserSelect(CSpatialDlg::IDC_SOURCE_LIST, {L"b"}); },
                     CSpatialDlg::IDC_ADD_X, false, false},
        EnablingCase{"OneCoordinateEach", 1055, 0,
                     [](CGUIBaseDlg& page) {
                         page.UserSelect(CSpatialDlg::IDC_X_LIST, {L"a"});
                         page.UserClick(CSpatialDlg::IDC_REMOVE_X);
                         page.UserSelect(CSpatialDlg::IDC_SOURCE_LIST, {L"a"});
                     },
                     CSpatialDlg::IDC_ADD_X, false, true},
        EnablingCase{"DirectionsWhenDirectional", 1055, 1, Check(CSpatialVarioDlg::IDC_DIRECTIONAL_CHECK),
                     CSpatialVarioDlg::IDC_DIRECTIONS_EDIT, false, true},
        EnablingCase{"ModelValuesUnlessFitted", 1055, 2, Check(CSpatialModelOptsDlg::IDC_FIT_CHECK, 0),
                     CSpatialModelOptsDlg::IDC_NUGGET_EDIT, false, true},
        EnablingCase{"MeanOfSimpleKriging", 1055, 3, Radio(CSpatialKRigDlg::IDC_SIMPLE_RADIO),
                     CSpatialKRigDlg::IDC_MEAN_EDIT, false, true},
        EnablingCase{"ExtentWhenTyped", 1055, 4, Check(CSpatialGridDlg::IDC_EXTENT_CHECK),
                     CSpatialGridDlg::IDC_YMAX_EDIT, false, true}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- choices that do not fit are refused with a message -------------------------------------------

struct RefusalCase {
    const char* name;
    UINT command;
    int page;
    Action choose;
    UINT message;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

class OpenRefusals : public OpenDialogs, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(OpenRefusals, KeepTheDialogOpenWithAMessage) {
    const RefusalCase& c = GetParam();
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        c.choose(Page(dlg, c.page));
        EXPECT_FALSE(dlg.OnOK());
        return IDCANCEL;
    });
    EXPECT_EQ(host.messages, Lines{std::wstring(GetString(c.message).str())});
    EXPECT_TRUE(host.runs.empty());
}

Action Type(UINT id, const wchar_t* text) {
    return [id, text](CGUIBaseDlg& page) { page.UserTypeText(id, text); };
}
Action Then(Action first, Action second) {
    return [first, second](CGUIBaseDlg& page) {
        first(page);
        second(page);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenRefusals,
    ::testing::Values(RefusalCase{"BoundsOnePerComponent", 1088, 0,
                                  Then(Radio(CRsMixtureDlg::IDC_VERTICES_RADIO),
                                       Type(CRsMixtureDlg::IDC_UPPER_EDIT, L"1 1")),
                                  CRsMixtureDlg::kBoundsMessage},
                      RefusalCase{"LowerBoundsSumToOneAtMost", 1088, 0,
                                  Then(Radio(CRsMixtureDlg::IDC_VERTICES_RADIO),
                                       Type(CRsMixtureDlg::IDC_LOWER_EDIT, L"0.5 0.5 0.25")),
                                  CRsMixtureDlg::kBoundsMessage},
                      RefusalCase{
                          "KeyAnswersEachItem", 1037, 0,
                          Then(Check(CTestAtClDlg::IDC_KEY_CHECK), Type(CTestAtClDlg::IDC_KEY_EDIT, L"1 2")),
                          CTestAtClDlg::kKeyMessage},
                      RefusalCase{"TwoProfilesAtLeast", 1059, 0,
                                  [](CGUIBaseDlg& page) {
                                      page.UserSelect(CPosacDlg::IDC_PROFILE_LIST, {L"a", L"b"});
                                      page.UserClick(CPosacDlg::IDC_REMOVE);
                                  },
                                  kTwoVariablesMessage},
                      RefusalCase{"OneFrequencyVariable", 1059, 0,
                                  [](CGUIBaseDlg& page) {
                                      // Both at once: the add button only closes once the list holds one.
                                      page.UserSelect(CPosacDlg::IDC_SOURCE_LIST, {L"a", L"b"});
                                      page.UserClick(CPosacDlg::IDC_ADD_FREQUENCY);
                                  },
                                  kOneVariableMessage},
                      RefusalCase{"PathWithoutArrow", 1033, 0, Type(CRamonaDlg::IDC_PATHS_EDIT, L"F1 a b"),
                                  CRamonaDlg::kPathsMessage},
                      RefusalCase{"PathNameUnknown", 1033, 0, Type(CRamonaDlg::IDC_PATHS_EDIT, L"F1 -> a z"),
                                  CRamonaDlg::kNamesMessage},
                      RefusalCase{"LatentNamedAsAVariable", 1033, 0,
                                  Type(CRamonaDlg::IDC_LATENT_EDIT, L"F1 a"), CRamonaDlg::kNamesMessage},
                      RefusalCase{"SpatialVariableMissing", 1055, 0,
                                  [](CGUIBaseDlg& page) {
                                      page.UserSelect(CSpatialDlg::IDC_VALUE_LIST, {L"c"});
                                      page.UserClick(CSpatialDlg::IDC_REMOVE_VALUE);
                                  },
                                  kVariableMessage}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(OpenDialogs, DoubleClickedVariablesJoinThePathModel) {
    Launch(1033, [&](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = Page(dlg, 0);
        page.UserTypeText(CRamonaDlg::IDC_PATHS_EDIT, L"F1 -> a;");
        page.UserTypeText(CRamonaDlg::IDC_LATENT_EDIT, L"F1 F2");
        page.UserDblClick(CRamonaDlg::IDC_SOURCE_LIST, L"b");
        page.UserTypeText(CRamonaDlg::IDC_PATHS_EDIT,
                          page.GetCtrlWindowText(CRamonaDlg::IDC_PATHS_EDIT) + L" <-> F2");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1033)[1], L"MODEL F1 -> a; b <-> F2 / LATENT = F1 F2");
}

}  // namespace
