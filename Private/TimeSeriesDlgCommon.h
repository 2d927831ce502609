#pragma once

#include "TvkBaseGui/CGUIBaseDlg.h"

// The reset of the time-series dialogs whose record selects the first series by itself: the selected
// list's options are reset and, when there is a source variable, it holds the first one alone. With
// no source variable there is nothing to take, and the list is left as the reset made it.
inline void ResetToFirstSourceVariable(CGUIListCtrl& selected, const CVariableList& source) {
    selected.ResetOptions();
    if (source.IsEmpty())
        return;
    selected.RemoveAllItems();
    selected.AddItem(source.GetAt(0));
}
