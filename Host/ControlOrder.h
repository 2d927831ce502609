#pragma once

#include <map>
#include <vector>

#include "TvkBaseGui/CGUIBaseDlg.h"

// The order in which a user meets the controls of a dialog (or of the page a composite shows): what
// `tvkhost show` lists and what the desktop host lays out and tabs through. Both hosts take it from
// here, so the two cannot drift apart; the module never asks for it.
//
// - The template's order, with the controls the module made at run time (a distribution manager's)
//   where the template's placeholder holds their place (the static hinted "placeholder", else the first
//   untitled static): its combos first, then each of its statics with the field it labels. Without a
//   placeholder they go before the standard buttons.
// - A target list's add and remove buttons stand right before it, and before the static that titles it
//   (they sit between the source list and the target on the page).
// - A static right before a list is the list's title, unless it only names the list's context-menu
//   command (such a static is never shown).
struct ControlOrder {
    std::vector<UINT> ids;
    std::map<UINT, UINT> listTitles;  // list -> the static that titles it
    std::vector<UINT> menuLabels;     // statics that only name a list's context-menu command
};

ControlOrder OrderControls(const CGUIBaseDlg& dlg);

// OK, Cancel and Reset: the dialog's own buttons, which stand apart at the bottom.
bool IsStandardButton(const CTKCtrl& c);
