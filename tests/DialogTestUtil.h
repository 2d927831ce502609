#pragma once

#include <functional>

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
