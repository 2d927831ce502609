// User actions as a window would deliver them, for the drivers.
#include "TvkBaseGui/CGUIDlgActions.h"

#include <stdexcept>
#include <string>

#include "TvkDlgBase/TvkDlgBase.h"

namespace {

std::string Id(UINT id) {
    return std::to_string(id);
}

bool Usable(const CTKCtrl& c) {
    return c.m_bEnabled && c.m_bVisible;
}

void RequireKind(const CTKCtrl& c, bool ok, const char* what) {
    if (!ok)
        throw std::invalid_argument("control " + Id(c.GetID()) + " (" + ControlKindName(c.GetKind()) +
                                    ") is not " + what);
}

std::vector<int> IndexesOf(const CGUIListCtrl& list, const std::vector<CString>& names) {
    std::vector<int> out;
    for (const auto& n : names) {
        const int i = list.FindItem(n);
        if (i < 0)
            throw std::invalid_argument("list " + Id(list.GetID()) + " has no item '" + n.ToUtf8() + "'");
        out.push_back(i);
    }
    return out;
}

}  // namespace

void CGUIDlgActions::UserTypeText(UINT id, const CString& text) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.IsEdit(), "an edit");
    if (!Usable(c))
        return;
    // Typed, not shown by the dialog: the colour waits for the next check.
    PutText(c, text);
    OnCtrlChanged(id);
}

void CGUIDlgActions::UserCheck(UINT id, int checked) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.GetKind() == ControlKind::Check, "a check box");
    if (!Usable(c) || (c.m_nChecked != 0) == (checked != 0))
        return;
    c.m_nChecked = checked ? 1 : 0;
    OnCtrlClicked(id);
}

void CGUIDlgActions::UserRadio(UINT id) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.GetKind() == ControlKind::Radio, "a radio button");
    if (!Usable(c))
        return;
    // The other buttons of its group go off.
    for (UINT group : ExchangedRadioGroups()) {
        const int count = CRadioUtil::GetRadioCount(group);
        bool member = false;
        for (int i = 0; i < count; ++i)
            member = member || CRadioUtil::GetRadioControl(group, i) == id;
        if (member)
            for (int i = 0; i < count; ++i)
                SetCtrlChecked(CRadioUtil::GetRadioControl(group, i), 0);
    }
    c.m_nChecked = 1;
    OnCtrlClicked(id);
}

void CGUIDlgActions::UserCombo(UINT id, int index) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.GetKind() == ControlKind::Combo, "a combo box");
    if (index < 0 || index >= static_cast<int>(c.m_comboItems.size()))
        throw std::invalid_argument("combo " + Id(id) + " has no item " + std::to_string(index));
    if (!Usable(c))
        return;
    c.m_nComboIndex = index;
    OnCtrlChanged(id);
}

void CGUIDlgActions::UserSelect(UINT list, const std::vector<CString>& names) {
    CGUIListCtrl& l = ListCtrl(list);
    auto indexes = IndexesOf(l, names);
    if (!Usable(l))
        return;
    l.SetSelection(std::move(indexes));
    OnListSelChanged(list);
}

void CGUIDlgActions::UserSelectAll(UINT list) {
    CGUIListCtrl& l = ListCtrl(list);
    if (!Usable(l))
        return;
    l.SelectAll();
    OnListSelChanged(list);
}

void CGUIDlgActions::UserClick(UINT id) {
    CGUIDlgActions* parent = StandardButtonsParent();
    if (parent && (id == IDOK || id == IDCANCEL || id == IDC_RESET) && !FindCtrl(id)) {
        parent->UserClick(id);
        return;
    }
    CTKCtrl& c = Ctrl(id);
    if (!Usable(c))
        return;
    if (c.GetKind() == ControlKind::Check) {
        c.m_nChecked = c.m_nChecked ? 0 : 1;
        OnCtrlClicked(id);
        return;
    }
    if (c.GetKind() == ControlKind::Radio) {
        UserRadio(id);
        return;
    }
    RequireKind(c, c.GetKind() == ControlKind::Button, "a button");
    if (id == IDOK) {
        OnOK();
        return;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return;
    }
    if (id == IDC_RESET) {
        OnReset();
        UpdateDependentWindows();
        return;
    }
    if (OnListButton(id))
        return;
    OnCtrlClicked(id);
}

void CGUIDlgActions::UserDblClick(UINT list, const CString& name) {
    CGUIListCtrl& l = ListCtrl(list);
    auto indexes = IndexesOf(l, {name});
    if (!Usable(l))
        return;
    // The first click of a double-click selects the item, and the dialog hears of it (the add button
    // follows the selection) before the double-click arrives.
    l.SetSelection(std::move(indexes));
    OnListSelChanged(list);
    MoveSourceListToTargetListOnDblClk(list);
}

void CGUIDlgActions::UserDrag(UINT from, const std::vector<CString>& names, UINT to) {
    CGUIListCtrl& l = ListCtrl(from);
    if (to != 0)
        ListCtrl(to);
    auto indexes = IndexesOf(l, names);
    if (!Usable(l))
        return;
    // The press that starts the drag selects the items, and the dialog hears of it (the add buttons,
    // which a drop follows, with it) before the items move.
    l.SetSelection(std::move(indexes));
    OnListSelChanged(from);
    OnBegindrag(from);
    LButtonUpListCtrlHelper(from, to);
}

void CGUIDlgActions::UserContext(UINT list, UINT command) {
    ListCtrl(list);
    if (!OnListMenuCommand(list, command))
        throw std::invalid_argument("list " + Id(list) + " has no context command " + Id(command));
}

void CGUIDlgActions::UserShowPage(int) {
    throw std::invalid_argument("dialog " + Id(GetTemplateID()) + " has no tab pages");
}
