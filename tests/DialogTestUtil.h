#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeHost.h"
#include "RecordTestUtil.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

// A dialog driver that runs a test's actions on the open dialog, then presses OK (or what the
// actions returned: IDOK to press OK, IDCANCEL to cancel, 0 to leave the result to the dialog).
class ScriptedDriver final : public IDialogDriver {
public:
    explicit ScriptedDriver(std::function<int(CGUIBaseDlg&)> actions = {}) : m_actions(std::move(actions)) {
        InstallDialogDriver(this);
    }
    ~ScriptedDriver() override { InstallDialogDriver(nullptr); }
    ScriptedDriver(const ScriptedDriver&) = delete;
    ScriptedDriver& operator=(const ScriptedDriver&) = delete;

    int Run(CGUIBaseDlg& dlg) override {
        ++runs;
        const int wanted = m_actions ? m_actions(dlg) : IDOK;
        if (dlg.IsEnded())
            return dlg.GetResult();
        if (wanted == IDOK && dlg.OnOK())
            return IDOK;
        dlg.OnCancel();
        return IDCANCEL;
    }

    int runs = 0;

private:
    std::function<int(CGUIBaseDlg&)> m_actions;
};

// The dialogs of the menu group `Group`, opened from its items as a user would.
template <class Group>
class MenuDialogs : public ::testing::Test {
protected:
    // Chooses the menu item and runs `actions` on the dialog it opens; true when the host got a run.
    bool Launch(UINT command, std::function<int(CGUIBaseDlg&)> actions = {}) {
        ScriptedDriver driver(std::move(actions));
        Group group(&host);
        const std::size_t before = host.runs.size();
        EXPECT_TRUE(group.OnTKCommand(command));
        EXPECT_EQ(driver.runs, 1);
        return host.runs.size() > before;
    }
    template <class Record>
    Record& Kept(UINT command) {
        auto* record = dynamic_cast<Record*>(host.records.at(command));
        EXPECT_NE(record, nullptr);
        return *record;
    }
    // Every line of the record kept under `command`, and the procedure's own (the last).
    std::vector<std::wstring> KeptLines(UINT command) { return LinesOf(*host.records.at(command)); }
    std::wstring LastLine(UINT command) {
        const auto lines = KeptLines(command);
        return lines.empty() ? std::wstring() : lines.back();
    }
    static std::vector<std::wstring> Items(const CGUIBaseDlg& dlg, UINT list) {
        return NamesOf(dlg.ListCtrl(list).GetItems());
    }
    std::wstring LastStatus() const {
        return host.sentMessages.empty() ? L"" : host.sentMessages.back().second;
    }
    // The page the composite shows, whose controls the user's actions reach.
    static CGUIBaseDlg& Page(CGUIBaseDlg& dlg, int page) {
        dlg.UserShowPage(page);
        return dlg.GetActiveControlsDialog();
    }

    FakeHost host;
};
