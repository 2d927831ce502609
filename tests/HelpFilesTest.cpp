// The help of every menu item, held to what the item does: each item has a file in the help's layout,
// titled as its dialog; every control a bullet names is one the dialog shows (on any page, as the
// variant of the item labels it); and the example's script, run on the bundled example data, sends
// exactly the lines the file says.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Host/HostApp.h"
#include "Host/HostData.h"
#include "Host/HostHelp.h"
#include "Host/HostScript.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

namespace {

const std::filesystem::path kExampleData =
    std::filesystem::path(DLGSTAT1_TEST_SOURCE_DIR) / "Resources" / "data" / "example.csv";

// A label as a help bullet quotes it: without "&" and without a trailing colon.
std::string BulletForm(const CString& text) {
    std::string label = CString(DisplayMenuText(text.str(), true)).ToUtf8();
    while (!label.empty() && (label.back() == ':' || label.back() == ' '))
        label.pop_back();
    return label;
}

// Opens a dialog, shows each of its pages, keeps every label shown (an edit's text is its value, a
// combo's its item, neither a label), and cancels.
struct LabelDriver final : IDialogDriver {
    LabelDriver() : previous(GetDialogDriver()) { InstallDialogDriver(this); }
    ~LabelDriver() override { InstallDialogDriver(previous); }
    int Run(CGUIBaseDlg& dlg) override {
        opened = true;
        for (int page = -1; page < dlg.GetPageCount(); ++page) {
            if (page >= 0)
                dlg.UserShowPage(page);
            CGUIBaseDlg& shown = page < 0 ? dlg : dlg.GetActiveControlsDialog();
            for (UINT id : shown.GetCtrlIDs())
                if (const CTKCtrl& c = shown.Ctrl(id);
                    !c.IsEdit() && c.GetKind() != ControlKind::Combo && !c.m_strText.IsEmpty())
                    labels.insert(BulletForm(c.m_strText));
        }
        dlg.OnCancel();
        return IDCANCEL;
    }
    IDialogDriver* previous;
    bool opened = false;
    std::set<std::string> labels;
};

// A host on the example data, as `tvkhost run` has it after `data Resources/data/example.csv`.
struct ExampleHost {
    ExampleHost() {
        host.LoadModule(DLGSTAT1_MODULE_PATH);
        host.Data().LoadCsv(kExampleData.string());
    }
    std::ostringstream out;
    HostApp host{out};
};

class HelpFilesTest : public ::testing::TestWithParam<UINT> {};

TEST_P(HelpFilesTest, DescribesTheDialogAndItsExampleSendsItsLines) {
    const HostMenuItem& item = *std::find_if(ModuleMenuItems().begin(), ModuleMenuItems().end(),
                                             [](const HostMenuItem& i) { return i.command == GetParam(); });
    const std::string name = "help/" + std::to_string(item.command) + ".txt";
    const auto file = FindHelpFile(item.command);
    ASSERT_TRUE(file) << "menu item " << item.command << " (" << DialogTitle(item) << ") has no " << name;
    HelpText help;
    try {
        help = ParseHelp(*file);
    } catch (const HelpFormatError& e) {
        FAIL() << name << ":" << e.GetLine() << ": " << e.what();
    }
    EXPECT_EQ(DialogTitle(item), help.title) << name;

    ExampleHost opened;
    const bool enabled = opened.host.UpdateCommand(item.command).m_bEnabled;
    LabelDriver labels;
    if (enabled)
        opened.host.RouteCommand(item.command);
    EXPECT_EQ(labels.opened, help.hasControls)
        << name << ": a Controls section belongs to items with a dialog";
    for (const HelpControl& control : help.controls)
        EXPECT_TRUE(control.label.empty() || labels.labels.count(control.label))
            << name << ": the dialog has no control \"" << control.label << "\"";

    // An item that cannot be chosen cannot show an example.
    ASSERT_EQ(enabled, help.hasExample) << name << ": the example belongs to items that can be chosen";
    if (!enabled)
        return;
    // The script opens the item and the dialog is accepted at its end, unless the script closes it
    // itself (a calculator's OK computes and leaves it open).
    const std::string menu = "menu " + std::to_string(item.command);
    ASSERT_EQ(menu, help.script.empty() ? "" : help.script[0]) << name;
    std::string script;
    for (const std::string& line : help.script)
        script += line + "\n";
    if (labels.opened && help.script.back() != "ok" && help.script.back() != "cancel")
        script += "ok\n";

    ExampleHost run;
    std::ostringstream err;
    std::istringstream in(script);
    ScriptRunner runner(run.host, in, err, {name, kExampleData.parent_path(), false, nullptr, {}});
    EXPECT_EQ(0, runner.RunScript()) << err.str();
    // A note (a control that was disabled) means the script does not do what its text says.
    EXPECT_EQ("", err.str());
    // A text file keeps no trailing blanks, so they are not compared.
    std::vector<std::string> sent;
    for (const CString& line : run.host.KernelLog()) {
        std::string text = line.ToUtf8();
        text.erase(text.find_last_not_of(' ') + 1);
        sent.push_back(text);
    }
    EXPECT_EQ(help.sent, sent) << name << ": the example's lines\n" << run.out.str();
}

INSTANTIATE_TEST_SUITE_P(MenuItems, HelpFilesTest, ::testing::ValuesIn([] {
                             std::vector<UINT> commands;
                             for (const HostMenuItem& item : ModuleMenuItems())
                                 commands.push_back(item.command);
                             return commands;
                         }()),
                         [](const ::testing::TestParamInfo<UINT>& command) {
                             return std::to_string(command.param);
                         });

// The layout's rules, on files that break one each: the test above leans on the parser to find them.
TEST(HelpLayoutTest, RefusesFilesThatBreakTheLayout) {
    // A bullet's lines are one bullet, as the help window shows it.
    const HelpText help = ParseHelp("T\n\nWhat.\nControls\n- \"Lag\": the lag,\n  on two lines.\n");
    ASSERT_EQ(1u, help.controls.size());
    EXPECT_EQ(": the lag, on two lines.", help.controls[0].text);
    struct Case {
        std::string text;
        int line;
    };
    const Case bad[] = {
        {"Title\n\n" + std::string(101, 'x') + "\n", 3},
        {"Title\n\nWhat\tit does.\n", 3},
        {"Title\n\nWhat it does.\nExample\nWords.\nScript:\n  menu 1\nLines sent:\n    LINE\n", 7},
        {"Title\n\nWhat it does.\nExample\nControls\n", 5},
        {"Title\n\nControls\n", 3},
    };
    for (const Case& c : bad) {
        SCOPED_TRACE(c.text);
        try {
            ParseHelp(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const HelpFormatError& e) {
            EXPECT_EQ(c.line, e.GetLine()) << e.what();
        }
    }
}

}  // namespace
