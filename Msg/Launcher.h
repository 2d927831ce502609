#pragma once

#include <string>
#include <vector>

#include "HostApi/Interfaces.h"
#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkBaseGui/CTKMsg.h"
#include "TvkUseRes/CTvkAssertDlg.h"

// The menu path caption of a command: the menu texts from the top down, each cleaned of "...", its
// accelerator "&" and what follows a tab, the last three joined by ": ". Empty when the menu bar
// does not know the command.
CString BuildMenuCaption(const std::vector<std::wstring>& chain);
CString GetMenuCaption(IGlobal* global, UINT command);

// The steps after the dialog and the record are at hand: caption, data-dependent defaults, the modal
// run and, on OK, the command for the host.
void RunLaunchedDialog(IGlobal* global, UINT command, UINT caption, CGUIBaseDlg& dlg, CGUIBaseObj& record);

// Finds the record kept for `command` or creates it (the host owns it from then on), then launches
// the dialog on it.
template <class Record, class Dialog>
void LaunchDialog(IGlobal* global, UINT command, UINT caption) {
    if (!global)
        return;
    Dialog dlg;
    CGUIBaseObj* kept = nullptr;
    if (!global->FindDialogRecord(command, kept) || !kept) {
        kept = new Record;
        global->StoreDialogRecord(command, kept);
    }
    auto* record = dynamic_cast<Record*>(kept);
    if (!record) {
        // A record of another class under this command: the store is not ours to repair.
        CTvkAssertDlg(L"Launcher.h", __LINE__).DoPrint();
        return;
    }
    RunLaunchedDialog(global, command, caption, dlg, *record);
}

// Whether the menu item may be chosen now, by the groups' rules.
enum class MenuRule { Standard, Free, Always, Never };
bool MenuRuleHolds(IGlobal* global, MenuRule rule);

// One row of a group's menu table: the dialog identifiers [first, last], their enabling rule and,
// for items that open a dialog, the launcher with its caption identifier.
struct MenuRow {
    UINT first;
    UINT last;
    MenuRule rule;
    void (*launch)(IGlobal* global, UINT command, UINT caption);
    UINT caption;
};

// The row of an item that opens Dialog on Record: the standard rule and the item's own caption unless
// given.
template <class Record, class Dialog>
MenuRow DialogRow(UINT did, UINT caption = 0, MenuRule rule = MenuRule::Standard) {
    return {did, did, rule, &LaunchDialog<Record, Dialog>, caption};
}

// Rows a procedure declares beside its dialog, with REGISTER_MENU_ROWS(Group, rows...): the table of the
// group Group takes them in after its own (`WithRegisteredRows<Group>(Rows())` in its constructor).
template <class Group>
std::vector<MenuRow>& RegisteredMenuRows() {
    static std::vector<MenuRow> rows;
    return rows;
}
template <class Group>
std::vector<MenuRow> WithRegisteredRows(std::vector<MenuRow> rows) {
    const auto& declared = RegisteredMenuRows<Group>();
    rows.insert(rows.end(), declared.begin(), declared.end());
    return rows;
}
#define TVK_MENU_ROWS_NAME(line) TVK_MENU_ROWS_NAME_(line)
#define TVK_MENU_ROWS_NAME_(line) s_menuRows##line
#define REGISTER_MENU_ROWS(Group, ...)                             \
    static const bool TVK_MENU_ROWS_NAME(__LINE__) = [] {          \
        const std::initializer_list<MenuRow> rows = {__VA_ARGS__}; \
        auto& declared = RegisteredMenuRows<Group>();              \
        declared.insert(declared.end(), rows.begin(), rows.end()); \
        return true;                                               \
    }()

// Command dispatch and enabling of a group over its table. `lockedFirst` disables every item of the
// group while the host is locked.
class CMenuGroupTable : public CTKMsg {
public:
    CMenuGroupTable(IGlobal* global, std::vector<MenuRow> rows, bool lockedFirst)
        : CTKMsg(global), m_rows(std::move(rows)), m_bLockedFirst(lockedFirst) {}

    BOOL IsOwnCommand(UINT did) const override { return FindRow(did) != nullptr; }
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;

protected:
    const MenuRow* FindRow(UINT did) const;
    // For the rows without a launcher: what the group does itself; false when nothing.
    virtual bool OnOwnCommand(UINT did) { return false; }
    // An extra condition or check state on top of a row's rule.
    virtual void OnUpdateOwnCommand(UINT did, CCmdUI* cmdUI) {}

private:
    std::vector<MenuRow> m_rows;
    bool m_bLockedFirst;
};
