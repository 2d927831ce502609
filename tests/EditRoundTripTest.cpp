// Open, OK, untouched changes nothing, over every number edit of every dialog of the menus: a value of
// ten significant digits typed and accepted comes back in its edit as the same number, and OK on the
// reopened dialog leaves the record's archive and lines as they were. Under either decimal symbol.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "DialogTestUtil.h"
#include "Host/HostApp.h"
#include "Host/HostMenu.h"
#include "Host/HostScript.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

namespace {

// An edit of a page (-1: the dialog itself).
struct EditAt {
    int page;
    UINT id;
    bool whole;
};

// Numbers of ten significant digits (integers as long as the ranges allow), tried in turn until the
// dialog takes one.
std::vector<std::string> Candidates(bool whole, bool small) {
    std::vector<std::string> numbers = {"1234567891", "123456789", "12345", "1987", "123", "12",
                                        "7",          "3",         "2",     "1",    "0"};
    // A number edit that takes whole numbers alone (the discrete calculator's value) gets those too.
    if (!whole)
        numbers.insert(numbers.begin(), {"1234.567891", "0.1234567891", "12.34567891", "1.234567891",
                                         "0.01234567891", "123456789.1", "-1.234567891"});
    if (small)
        std::erase_if(numbers, [](const std::string& n) { return std::stod(n) > 1e5; });
    return numbers;
}

// The discrete calculator draws a point for every value of the support: a count of ten digits would
// have it draw a billion.
bool TakesSmallNumbers(UINT item) {
    return item == 1057;
}

// The correlation plots start from the data's maximum lag at every opening: a lag typed once is not
// meant to come back.
bool StartsAfresh(UINT item, UINT edit) {
    return ((item == 1039 || item == 1048) && edit == 1002) || (item == 1041 && edit == 1280);
}

class EveryNumberEdit : public ::testing::TestWithParam<wchar_t> {
protected:
    void SetUp() override {
        m_host.LoadModule(DLGSTAT1_MODULE_PATH);
        m_host.Data().LoadCsv(DLGSTAT1_TEST_SOURCE_DIR "/Resources/data/example.csv");
        m_host.Settings().decimal = GetParam();
        std::ifstream demo(DLGSTAT1_TEST_SOURCE_DIR "/Resources/data/demo.tvs");
        std::string line;
        UINT item = 0;
        for (int number = 1; std::getline(demo, line); ++number) {
            auto words = SplitScriptLine(line, number);
            if (words.size() == 2 && words[0].text == "menu")
                item = static_cast<UINT>(std::stoul(words[1].text));
            else if (!words.empty())
                m_demo[item].push_back({number, std::move(words)});
        }
    }

    // The demo's values for the item's dialog, which make a dialog that refuses its defaults acceptable.
    void GiveDemoValues(UINT item, CGUIBaseDlg& dlg) {
        for (const auto& [number, words] : m_demo[item])
            m_runner.ExecuteDialogCommand(number, words, dlg);
    }

    static CGUIBaseDlg& Shown(CGUIBaseDlg& dlg, int page) {
        if (page < 0)
            return dlg;
        dlg.UserShowPage(page);
        return dlg.GetActiveControlsDialog();
    }

    std::vector<EditAt> NumberEdits(UINT item) {
        std::vector<EditAt> edits;
        ScriptedDriver driver([&](CGUIBaseDlg& dlg) {
            GiveDemoValues(item, dlg);
            const int pages = dlg.GetPageCount();
            for (int page = pages ? 0 : -1; page < pages; ++page) {
                CGUIBaseDlg& shown = Shown(dlg, page);
                for (UINT id : shown.GetCtrlIDs()) {
                    const CTKCtrl& c = shown.Ctrl(id);
                    // A plain edit holding a number counts too (the calculator's value).
                    const bool number =
                        c.GetKind() == ControlKind::IntEdit || c.GetKind() == ControlKind::DoubleEdit ||
                        (c.GetKind() == ControlKind::Edit && CGUIBaseDlg::ParseDouble(c.m_strText));
                    if (number && shown.IsCtrlVisible(id) && shown.IsCtrlEnabled(id))
                        edits.push_back({page, id, c.GetKind() == ControlKind::IntEdit});
                }
            }
            return IDCANCEL;
        });
        m_host.RouteCommand(item);
        return edits;
    }

    Bytes Archive(UINT item) {
        CGUIBaseObj* record = m_host.FindRecord(item);
        return record ? Store(*record) : Bytes();
    }

    std::ostringstream m_out;
    HostApp m_host{m_out};
    std::istringstream m_noScript;
    std::ostringstream m_errors;
    ScriptRunner m_runner{m_host, m_noScript, m_errors, {}};
    std::map<UINT, std::vector<std::pair<int, std::vector<ScriptWord>>>> m_demo;
};

TEST_P(EveryNumberEdit, TakesTenDigitsBackUnchanged) {
    const wchar_t decimal = GetParam();
    int checked = 0;
    for (const HostMenuItem& menu : ModuleMenuItems()) {
        const UINT item = menu.command;
        if (!m_host.UpdateCommand(item).m_bEnabled)
            continue;
        for (const EditAt& edit : NumberEdits(item)) {
            if (StartsAfresh(item, edit.id))
                continue;
            SCOPED_TRACE("menu " + std::to_string(item) + ", page " + std::to_string(edit.page) + ", edit " +
                         std::to_string(edit.id));
            std::optional<std::string> taken;
            ScriptedDriver type([&](CGUIBaseDlg& dlg) {
                GiveDemoValues(item, dlg);
                for (std::string text : Candidates(edit.whole, TakesSmallNumbers(item))) {
                    if (decimal == L',')
                        std::replace(text.begin(), text.end(), '.', ',');
                    Shown(dlg, edit.page).UserTypeText(edit.id, CString::FromUtf8(text));
                    if (dlg.OnOK()) {
                        taken = text;
                        break;
                    }
                }
                return IDCANCEL;
            });
            m_host.RouteCommand(item);
            if (!taken)
                continue;
            const Bytes archive = Archive(item);
            const auto lines = LinesOf(*m_host.FindRecord(item));
            bool accepted = false;
            ScriptedDriver reopen([&](CGUIBaseDlg& dlg) {
                const CString shown = Shown(dlg, edit.page).GetCtrlWindowText(edit.id);
                EXPECT_EQ(CGUIBaseDlg::ParseDouble(shown, decimal),
                          CGUIBaseDlg::ParseDouble(CString::FromUtf8(*taken), decimal))
                    << "typed " << *taken << ", shown " << shown.ToUtf8();
                accepted = dlg.OnOK();
                return IDCANCEL;
            });
            m_host.RouteCommand(item);
            EXPECT_TRUE(accepted);
            EXPECT_EQ(Hex(Archive(item)), Hex(archive));
            EXPECT_EQ(LinesOf(*m_host.FindRecord(item)), lines);
            ++checked;
        }
    }
    // Most number edits of the module take such a value; far fewer would mean the walk went wrong.
    EXPECT_GT(checked, 150);
}

INSTANTIATE_TEST_SUITE_P(DecimalSymbols, EveryNumberEdit, ::testing::Values(L'.', L','),
                         [](const auto& p) { return std::string(p.param == L',' ? "Comma" : "Point"); });

}  // namespace
