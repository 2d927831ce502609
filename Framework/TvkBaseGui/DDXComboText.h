#pragma once

#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

// A combo whose option is the chosen item's text rather than its index (a value the user picks from a
// list of usual ones). Loading chooses the item with that text (none when no item has it); storing takes
// the chosen item's text, or the combo's own text when no item is chosen.
TVK_API void DDX_ComboText(CDataExchange* pDX, UINT id, CString& text);
