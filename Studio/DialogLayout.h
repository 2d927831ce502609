#pragma once

#include <map>
#include <string>
#include <vector>

#include "TvkBaseGui/CGUIBaseDlg.h"

// Where each control of a dialog goes, decided from the template's order alone: the text-mode host
// and the module know nothing of positions.
//
// - A static, check or radio followed by an edit or combo is a labelled row: label left, field right.
// - Lists of list pairs make one block: a source list on the left, and for each of its target lists
//   the pair's add and remove buttons between it and the source.
// - OK, Cancel and Reset go to the button row at the bottom.
// - Controls the module makes at run time (a distribution manager's) go where the template's first
//   untitled static stands, the placeholder: combos first, then the k-th static with the k-th edit.
// - A static right before a list is the list's title (else the list's own text is).
// - A static that only names a list's context-menu command is not shown.
// - Statics hinted "picture" in the template are the captions of the picture the dialog draws: they
//   share one row, and the picture stands under it.
// - Anything else is a row of its own.
struct LayoutRow {
    enum class Kind { Single, Labelled, ListBlock, PictureCaptions };
    Kind kind = Kind::Single;
    // Single: the control; Labelled: label, field; ListBlock: the source list; PictureCaptions: the
    // captions.
    std::vector<UINT> ids;
    // ListBlock: per target list, the target, its add and its remove button.
    struct Target {
        UINT list;
        UINT add;
        UINT remove;
    };
    std::vector<Target> targets;
};

struct DialogPlan {
    std::vector<LayoutRow> rows;
    std::vector<UINT> buttons;        // the bottom row
    std::vector<UINT> hidden;         // made but never shown
    std::vector<UINT> order;          // every control in the order the user meets them (the tab order)
    std::map<UINT, UINT> listTitles;  // list -> the static that titles it
};

DialogPlan PlanDialog(const CGUIBaseDlg& dlg);

// Whether the template gives control `id` of the dialog the layout hint `hint`.
bool HasLayoutHint(const CGUIBaseDlg& dlg, UINT id, const std::string& hint);
