#pragma once

#include <vector>

#include "TvkBaseGui/CGUIDlgRangeChecks.h"

// User actions as the window would deliver them, for the drivers, and the handlers they reach.
//
// Each action throws std::invalid_argument naming what is wrong (unknown control, wrong kind, bad
// index). Actions on a disabled or hidden control do nothing.
class TVK_API CGUIDlgActions : public CGUIDlgRangeChecks {
public:
    using CGUIDlgRangeChecks::CGUIDlgRangeChecks;

    void UserTypeText(UINT id, const CString& text);
    void UserCheck(UINT id, int checked);
    void UserRadio(UINT id);
    void UserCombo(UINT id, int index);
    void UserSelect(UINT list, const std::vector<CString>& names);
    void UserSelectAll(UINT list);
    // A page without OK, Cancel or Reset of its own hands those to the dialog it is a page of.
    void UserClick(UINT id);
    void UserDblClick(UINT list, const CString& name);
    void UserDrag(UINT from, const std::vector<CString>& names, UINT to);
    void UserContext(UINT list, UINT command);
    // Tab pages of a composite; a plain dialog has none.
    virtual void UserShowPage(int page);

    // OK: validate and store into the record, then end the dialog with IDOK. False when refused.
    virtual bool OnOK() = 0;
    virtual void OnCancel() = 0;
    virtual void OnReset() = 0;
    // Change handlers: the user typed into an edit, chose a combo item, clicked a check, radio or
    // button (other than the list buttons and the standard ones), or changed a list's selection.
    virtual void OnCtrlChanged(UINT) {}
    virtual void OnCtrlClicked(UINT) { UpdateDependentWindows(); }
    virtual void OnListSelChanged(UINT) { UpdateDependentWindows(); }

protected:
    // The dialog this one is a page of, or null: it takes the standard buttons the page lacks.
    virtual CGUIDlgActions* StandardButtonsParent() const = 0;
};
