#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Host/HostMenu.h"

// The help of a menu item: Resources/help/ID.txt, embedded in the module. Layout of a file:
//
//   Title line (the dialog's title)
//   paragraphs on what the procedure does
//   Controls                      (left out by items that open no dialog)
//   - "Label": what it means and which clause it writes   (lines that follow a bullet continue it)
//   Example                       (left out by items that cannot be chosen)
//   a paragraph on what the example does
//   Script:
//       session-script lines, indented by four blanks
//   Lines sent:
//       the kernel's lines, indented by four blanks
//
// Lines hold at most kMaxHelpLineChars characters.
inline constexpr std::size_t kMaxHelpLineChars = 100;

struct HelpControl {
    std::string label;  // the quoted label of the bullet
    std::string text;   // the bullet after the label, its lines joined
};

// Paragraphs and bullets are joined into single lines; script and sent lines keep their text without
// the indent.
struct HelpText {
    std::string title;
    std::vector<std::string> about;
    bool hasControls = false;
    // In file order; a paragraph among the bullets (a page's heading) has an empty label.
    std::vector<HelpControl> controls;
    bool hasExample = false;
    std::vector<std::string> example;
    std::vector<std::string> script;
    std::vector<std::string> sent;
};

// A help file that breaks the layout: the line (1 first) and what is wrong.
class HelpFormatError : public std::runtime_error {
public:
    HelpFormatError(int line, const std::string& what) : std::runtime_error(what), m_line(line) {}
    int GetLine() const { return m_line; }

private:
    int m_line;
};

// The file of a menu item, or nullopt when it has none.
std::optional<std::string_view> FindHelpFile(UINT command);
// Throws HelpFormatError.
HelpText ParseHelp(std::string_view file);

// The title of a menu item's dialog: the last three texts of its path, cleaned, joined by ": ".
std::string DialogTitle(const HostMenuItem& item);
