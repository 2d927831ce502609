#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Platform/CString.h"

// The module's menus as the host shows them: the items of Resources/menus in file order, which is the
// order of the menu bar from top to bottom.
struct HostMenuItem {
    UINT command;
    std::vector<std::wstring> chain;  // texts from the top menu down to the item, as the file has them
};

// Parses the item lines of a menu file (COMMAND_ID "top" ... "item"); comments and blank lines are
// skipped. The texts themselves come from the menu bar, which read the same files.
std::vector<UINT> ParseMenuOrder(std::string_view text);

// Every item of the embedded menu files, in menu order.
const std::vector<HostMenuItem>& ModuleMenuItems();

// A menu text as the user reads it: the accelerator "&" gone ("&&" stands for "&"), nothing from the
// tab on, and no "..." unless asked to keep it.
std::wstring DisplayMenuText(std::wstring_view text, bool keepEllipsis = false);
// The shortcut shown after the tab, or empty.
std::wstring MenuShortcut(std::wstring_view text);
// The whole path, each text cleaned, joined by ": ".
std::wstring MenuPath(const std::vector<std::wstring>& chain);
