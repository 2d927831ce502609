// The power and experimental-design dialogs, driven through the design-of-experiments menu group as a
// user would, and the design dialog's rules of admissible values.

#include <gtest/gtest.h>

#include <typeinfo>

#include "DialogTestUtil.h"
#include "Msg/DesignofExperimentsMsg.h"
#include "Private/ExperimentalDesignDlg.h"
#include "Private/PowerCorr2Dlg.h"
#include "Private/PowerGenericDlg.h"
#include "Private/PowerOneSampleDlg.h"
#include "Private/PowerTwoSampleDlg.h"
#include "Private/PowerTwoWayDlg.h"

namespace {

using LineList = std::vector<std::wstring>;
using TextList = std::vector<std::wstring>;
const wchar_t* const kPower080 = L"ESTIMATE / ALPHA = 0.05 POWER = 0.80";

class DesignDialogs : public MenuDialogs<CDesignofExperimentsMsg> {
protected:
    // OK is refused, with the focus on `focus` and `message` in the status bar.
    void ExpectRefused(CGUIBaseDlg& dlg, UINT focus, const wchar_t* message) {
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(dlg.GetFocusCtrl(), focus);
        EXPECT_EQ(LastStatus(), message);
    }
    static TextList ToolTips(CGUIBaseDlg& dlg, const std::vector<UINT>& ids) {
        TextList tips;
        for (UINT id : ids)
            tips.emplace_back(dlg.GetToolTip(id).str());
        return tips;
    }
    static std::vector<bool> Enabled(CGUIBaseDlg& dlg, const std::vector<UINT>& ids) {
        std::vector<bool> enabled;
        for (UINT id : ids)
            enabled.push_back(dlg.IsCtrlEnabled(id) != 0);
        return enabled;
    }
};

// ---- launch -------------------------------------------------------------------------------------

struct LaunchCase {
    UINT command;
    UINT templateId;
    UINT caption;
    const std::type_info* record;
};

class DesignLaunch : public DesignDialogs, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(DesignLaunch, OpensItsDialogOnItsRecordWithItsVariant) {
    const LaunchCase& c = GetParam();
    Launch(c.command, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetTemplateID(), c.templateId);
        EXPECT_EQ(dlg.GetDlgCaptionID(), c.caption);
        return IDCANCEL;
    });
    CGUIBaseObj* record = host.records.at(c.command);
    EXPECT_STREQ(typeid(*record).name(), c.record->name());
    EXPECT_EQ(record->GetVariantID(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Rows, DesignLaunch,
                         ::testing::Values(LaunchCase{1021, 2239, 2237, &typeid(CPowerOneSampleData)},
                                           LaunchCase{1022, 2238, 2238, &typeid(CPowerCorr2Data)},
                                           LaunchCase{1023, 2248, 0, &typeid(CPowerGenericData)},
                                           LaunchCase{1024, 2239, 2239, &typeid(CPowerOneSampleData)},
                                           LaunchCase{1025, 2240, 2240, &typeid(CPowerTwoWayData)},
                                           LaunchCase{1026, 2239, 2241, &typeid(CPowerOneSampleData)},
                                           LaunchCase{1027, 2239, 2242, &typeid(CPowerOneSampleData)},
                                           LaunchCase{1028, 2239, 2243, &typeid(CPowerOneSampleData)},
                                           LaunchCase{1029, 2238, 2244, &typeid(CPowerCorr2Data)},
                                           LaunchCase{1030, 2245, 2245, &typeid(CPowerTwoSampleData)},
                                           LaunchCase{1031, 2240, 2246, &typeid(CPowerTwoWayData)},
                                           LaunchCase{1032, 2245, 2247, &typeid(CPowerTwoSampleData)},
                                           LaunchCase{1084, 2075, 0, &typeid(CExperimentalDesignData)}),
                         [](const auto& p) { return std::to_string(p.param.command); });

// ---- admissible values of the experimental designs ------------------------------------------------

using Field = CExperimentalDesignDlg::EField;

struct ValueCase {
    int position;
    Field field;
    int value;
    int factors;             // for the runs
    const wchar_t* refusal;  // empty when accepted
};

CString Validate(const ValueCase& c) {
    switch (c.field) {
        case Field::levels:
            return CExperimentalDesignDlg::ValidEdit(c.position, c.value);
        case Field::factors:
            return CExperimentalDesignDlg::ValidEditLevel(c.position, c.value);
        case Field::runs:
            return CExperimentalDesignDlg::ValidEditRuns(c.position, c.value, c.factors);
        case Field::replications:
            return CExperimentalDesignDlg::ValidEditReplications(c.position, c.value);
    }
    return {};
}

TEST(DesignValues, EachTypeAcceptsItsValuesAndNamesWhatItWouldTake) {
    const wchar_t* const plackett = L"Enter a multiple of 4 in [4, 100], or one of 9, 25, 27, 49, 81, 125";
    const ValueCase cases[] = {
        {1, Field::runs, 8, 7, L""},
        {1, Field::runs, 8, 8, L"Enter a number in {16, 32, 64, 128}"},
        {1, Field::runs, 12, 2, L"Enter a number in {4, 8, 16, 32, 64, 128}"},
        {3, Field::runs, 12, 2, L""},
        {3, Field::runs, 10, 2, plackett},
        {3, Field::runs, 125, 2, L""},
        {3, Field::runs, 27, 2, L""},
        {3, Field::runs, 100, 2, L""},
        {3, Field::runs, 104, 2, plackett},
        {4, Field::factors, 8, 0, L"Enter a number in {[3, 7], [9, 12], 16}"},
        {4, Field::factors, 16, 0, L""},
        {4, Field::factors, 2, 0, L"Enter a number in {[3, 7], [9, 12], 16}"},
        {0, Field::levels, 3, 0, L""},
        {0, Field::levels, 4, 0, L"Enter a number in {2, 3}"},
        {0, Field::factors, 8, 0, L"Enter a number in [2, 7]"},
        {2, Field::levels, 12, 0, L""},
        {2, Field::levels, 2, 0, L"Enter a number in [3, 12]"},
        {5, Field::factors, 31999, 0, L""},
        {5, Field::levels, 32000, 0, L"Enter a number in [2, 32000)"},
        {6, Field::replications, 100000, 0, L""},
        {0, Field::replications, 0, 0, L"Enter a number in [1, +inf)"},
        // A field the type does not use takes anything.
        {6, Field::runs, -5, 0, L""},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(std::wstring(Validate(c).str()), c.refusal)
            << "position " << c.position << " field " << static_cast<int>(c.field) << " value " << c.value;
}

// ---- the experimental-design dialog -------------------------------------------------------------

using DesignDlg = CExperimentalDesignDlg;

// The tool tips and fields of each type, and the runs a two-level fraction takes, are the
// design_experimental scenario's.
TEST_F(DesignDialogs, MixtureCentroidTakesNoLevels) {
    Launch(1084, [&](CGUIBaseDlg& dlg) {
        dlg.UserCombo(DesignDlg::IDC_TYPE_COMBO, 5);
        EXPECT_TRUE(dlg.IsCtrlEnabled(DesignDlg::IDC_LEVELS_EDIT));
        dlg.UserCombo(DesignDlg::IDC_MIXTURE_COMBO, 1);
        EXPECT_FALSE(dlg.IsCtrlEnabled(DesignDlg::IDC_LEVELS_EDIT));
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1084), (LineList{L"DESIGN", L"MIXTURE/ TYPE=CENTROID"}));
}

// ---- power dialogs ------------------------------------------------------------------------------

using OneDlg = CPowerOneSampleDlg;

// The save file, the spread, the estimates and the sample-size range are the design_power scenario's.
TEST_F(DesignDialogs, OneSampleMeanMustDifferFromTheNull) {
    Launch(1024, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(OneDlg::IDC_FIRST_EDIT, L"5");
        dlg.UserTypeText(OneDlg::IDC_NULL_EDIT, L"5");
        dlg.UserTypeText(OneDlg::IDC_SPREAD_EDIT, L"2");
        ExpectRefused(dlg, OneDlg::IDC_FIRST_EDIT, L"Enter a number other than 5");
        dlg.UserTypeText(OneDlg::IDC_NULL_EDIT, L"4");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1024), (LineList{L"POWER", L"MODEL T1 / M1 = 5 NULL = 4 SD=2", kPower080}));
}

TEST_F(DesignDialogs, OneSampleCorrelationHasItsOwnRangesAndNoSpread) {
    Launch(1021, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(
            ToolTips(dlg, {OneDlg::IDC_FIRST_EDIT, OneDlg::IDC_SAMPLE_SIZE_EDIT, OneDlg::IDC_STEP_EDIT}),
            (TextList{L"(-1.0, +1.0)", L"[3, 1000000]", L"[1, 999997]"}));
        EXPECT_FALSE(dlg.IsCtrlEnabled(OneDlg::IDC_SPREAD_EDIT));
        dlg.UserTypeText(OneDlg::IDC_FIRST_EDIT, L"1");
        ExpectRefused(dlg, OneDlg::IDC_FIRST_EDIT, L"Enter a number in (-1, 1)");
        dlg.UserTypeText(OneDlg::IDC_FIRST_EDIT, L"0.4");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1021)[1], L"MODEL CORR1 / COEF1 = 0.4");
}

using Corr2Dlg = CPowerCorr2Dlg;

// The unequal groups of two correlations are the design_power scenario's; two proportions take the ratio
// instead and keep their estimate.
TEST_F(DesignDialogs, UnequalGroupsOfTwoProportionsTakeTheRatio) {
    const std::vector<UINT> controls = {Corr2Dlg::IDC_SIZE1_EDIT, Corr2Dlg::IDC_RATIO_EDIT, 3797,
                                        Corr2Dlg::IDC_POWER_EDIT};
    Launch(1029, [&](CGUIBaseDlg& dlg) {
        dlg.UserRadio(Corr2Dlg::IDC_UNEQUAL_RADIO);
        EXPECT_EQ(Enabled(dlg, controls), (std::vector<bool>{false, true, true, true}));
        EXPECT_EQ(std::wstring(dlg.GetToolTip(Corr2Dlg::IDC_SAMPLE_SIZE_EDIT).str()), L"[1, 1000000]");
        return IDCANCEL;
    });
}

using WayDlg = CPowerTwoWayDlg;

TEST_F(DesignDialogs, OneWayAnalysisOfVarianceHasNoColumnsAndTheAverageSquareNoSpread) {
    Launch(1025, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(std::wstring(dlg.GetCtrlWindowText(WayDlg::IDC_ROWS_LABEL).str()), L"Number of &groups:");
        const std::vector<UINT> controls = {WayDlg::IDC_COLUMNS_EDIT, WayDlg::IDC_ROW_EFFECTS_RADIO,
                                            WayDlg::IDC_SPREAD_EDIT, WayDlg::IDC_EFFECTS_EDIT,
                                            WayDlg::IDC_AVERAGE_SQUARE_EDIT};
        EXPECT_EQ(Enabled(dlg, controls), (std::vector<bool>{false, false, true, true, false}));
        dlg.UserRadio(WayDlg::IDC_AVERAGE_SQUARE_RADIO);
        EXPECT_EQ(Enabled(dlg, controls), (std::vector<bool>{false, false, false, false, true}));
        dlg.UserTypeText(WayDlg::IDC_ROWS_EDIT, L"4");
        dlg.UserTypeText(WayDlg::IDC_AVERAGE_SQUARE_EDIT, L"0.3");
        return IDOK;
    });
    EXPECT_EQ(KeptLines(1025)[1], L"MODEL ONEWAY / GROUPS = 4 AVGESQ = 0.3");
}

}  // namespace
