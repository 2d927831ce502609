// Dialogs of reliability, multidimensional scaling and signal detection, opened through their menu
// groups: the refusals that keep a dialog open, and enabling by the stored model.

#include <gtest/gtest.h>

#include <functional>

#include "DialogTestUtil.h"
#include "Msg/ScaleMsg.h"
#include "Msg/Stat1SingleMenuItemsMsg.h"
#include "Private/CronbachDlg.h"
#include "Private/MdsDlg.h"
#include "Private/SignalDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

class ScalingDialogs : public ::testing::Test {
protected:
    ScalingDialogs() {
        for (const wchar_t* name : {L"a", L"b", L"c"})
            host.data.AddNumeric(name);
    }

    template <class Group>
    bool Open(UINT command, std::function<int(CGUIBaseDlg&)> actions) {
        ScriptedDriver driver(std::move(actions));
        Group group(&host);
        group.OnTKCommand(command);
        return !host.runs.empty();
    }
    // A refused OK, with the message it showed.
    std::wstring Refusal(CGUIBaseDlg& dlg) {
        host.messages.clear();
        EXPECT_FALSE(dlg.OnOK());
        return host.messages.empty() ? L"" : host.messages.back();
    }
    static void Add(CGUIBaseDlg& page, UINT source, std::vector<CString> names, UINT add) {
        page.UserSelect(source, names);
        page.UserClick(add);
    }

    FakeHost host;
};

// Young's loss with power regression is the scaling_mds scenario's.
TEST_F(ScalingDialogs, ScalingRefusesOneVariableTooManyDimensionsAndAWrongMatrix) {
    using Dlg = CMdsDlg;
    EXPECT_TRUE(Open<CScaleMsg>(1012, [this](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& scaling = dlg.GetActiveControlsDialog();
        Add(scaling, Dlg::IDC_SOURCE_LIST, {L"a"}, Dlg::IDC_ADD);
        EXPECT_EQ(Refusal(dlg), GetString(Dlg::kTargetMessage).str());
        Add(scaling, Dlg::IDC_SOURCE_LIST, {L"b"}, Dlg::IDC_ADD);
        scaling.UserRadio(CMdsData::kLossGuttman);
        EXPECT_FALSE(scaling.IsCtrlEnabled(Dlg::IDC_REGRESSION_COMBO));
        scaling.UserTypeText(Dlg::IDC_DIMENSIONS_EDIT, L"3");
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(host.sentMessages.back().second, L"Enter a number in [1, 2]");
        scaling.UserTypeText(Dlg::IDC_DIMENSIONS_EDIT, L"2");

        dlg.UserShowPage(1);
        CGUIBaseDlg& config = dlg.GetActiveControlsDialog();
        EXPECT_FALSE(config.IsCtrlEnabled(CMdsConfigDlg::IDC_MATRIX_EDIT));
        config.UserRadio(CMdsConfigData::kSourceTyped);
        config.UserTypeText(CMdsConfigDlg::IDC_MATRIX_EDIT, L"1 2\r\n3 4.\r\n");
        EXPECT_EQ(Refusal(dlg), GetString(CMdsConfigDlg::kMatrixMessage).str());
        config.UserTypeText(CMdsConfigDlg::IDC_MATRIX_EDIT, L"1 2\r\n3 4.5\r\n");
        return IDOK;
    }));
    EXPECT_EQ(LinesOf(*host.records.at(1012)),
              (std::vector<std::wstring>{L"MDS", L"MODEL a b / SHAPE=SQUARE", L"CONFIG = 1 2; 3 4.5",
                                         L"ESTIMATE /  LOSS=GUTTMAN"}));
}

// Typed under a decimal comma, the configuration means the same to a session under a point.
TEST_F(ScalingDialogs, ConfigurationTypedWithDecimalCommasReadsTheSameUnderAPoint) {
    host.decimal = L',';
    const auto typed = [this](const wchar_t* text) {
        return Open<CScaleMsg>(1012, [&](CGUIBaseDlg& dlg) {
            Add(dlg.GetActiveControlsDialog(), CMdsDlg::IDC_SOURCE_LIST, {L"a", L"b"}, CMdsDlg::IDC_ADD);
            dlg.UserShowPage(1);
            dlg.GetActiveControlsDialog().UserRadio(CMdsConfigData::kSourceTyped);
            dlg.GetActiveControlsDialog().UserTypeText(CMdsConfigDlg::IDC_MATRIX_EDIT, text);
            return IDOK;
        });
    };
    EXPECT_TRUE(typed(L"1,5 2;3 4,25"));
    EXPECT_EQ(LinesOf(*host.records.at(1012))[2], L"CONFIG = 1.5 2; 3 4.25");
    host.decimal = L'.';
    EXPECT_TRUE(Open<CScaleMsg>(1012, [](CGUIBaseDlg& dlg) {
        dlg.UserShowPage(1);
        EXPECT_EQ(dlg.GetActiveControlsDialog().GetCtrlWindowText(CMdsConfigDlg::IDC_MATRIX_EDIT),
                  L"1.5 2; 3 4.25");
        return IDOK;
    }));
    EXPECT_EQ(LinesOf(*host.records.at(1012))[2], L"CONFIG = 1.5 2; 3 4.25");
}

TEST_F(ScalingDialogs, SignalEnablesTheStoredModelsOptions) {
    using Dlg = CSignalDlg;
    auto* stored = new CSignalData;
    stored->ModelTypeCombo = 6;  // gamma
    host.records[1054] = stored;
    Open<CStat1SingleMenuItemsMsg>(1054, [this](CGUIBaseDlg& dlg) {
        for (UINT id :
             {Dlg::IDC_M0_EDIT, Dlg::IDC_R_EDIT, Dlg::IDC_ITERATIONS_EDIT, Dlg::IDC_START_ESTIMATED})
            EXPECT_TRUE(dlg.IsCtrlEnabled(id)) << id;
        for (UINT id :
             {Dlg::IDC_CONSTANT_EDIT, Dlg::IDC_MEAN_EDIT, Dlg::IDC_DF_EDIT, Dlg::IDC_SAVE_TYPE_COMBO})
            EXPECT_FALSE(dlg.IsCtrlEnabled(id)) << id;
        dlg.UserCombo(Dlg::IDC_MODEL_COMBO, 3);
        EXPECT_TRUE(dlg.IsCtrlEnabled(Dlg::IDC_CONSTANT_EDIT));
        Add(dlg, Dlg::IDC_SOURCE_LIST, {L"a"}, Dlg::IDC_ADD_RESPONSE);
        Add(dlg, Dlg::IDC_SOURCE_LIST, {L"b"}, Dlg::IDC_ADD_STIMULUS);
        dlg.UserTypeText(Dlg::IDC_CONSTANT_EDIT, L"0");
        EXPECT_FALSE(dlg.OnOK());
        EXPECT_EQ(host.sentMessages.back().second, L"Enter a number in (0, +inf)");
        return IDCANCEL;
    });
}

}  // namespace
