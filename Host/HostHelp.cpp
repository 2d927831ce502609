#include "Host/HostHelp.h"

#include <algorithm>

#include "Host/HostText.h"
#include "TvkUseRes/EmbeddedResources.h"

namespace {

constexpr std::string_view kIndent = "    ";

enum class Section { About, Controls, Example, Script, Sent };

std::size_t CodePoints(std::string_view line) {
    return static_cast<std::size_t>(std::count_if(
        line.begin(), line.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string_view TrimEnd(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

std::string_view TrimStart(std::string_view line) {
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    return line;
}

// Adds a line to prose: a new paragraph after a blank line, else the paragraph goes on.
void AddProse(std::vector<std::string>& paragraphs, std::string_view line, bool afterBlank) {
    if (afterBlank || paragraphs.empty())
        paragraphs.emplace_back(TrimStart(line));
    else
        paragraphs.back().append(" ").append(TrimStart(line));
}

}  // namespace

std::optional<std::string_view> FindHelpFile(UINT command) {
    if (const EmbeddedResource* r = FindRegisteredResource("help/" + std::to_string(command) + ".txt"))
        return r->bytes;
    return std::nullopt;
}

HelpText ParseHelp(std::string_view file) {
    HelpText help;
    Section section = Section::About;
    bool afterBlank = true;
    int number = 0;
    for (std::size_t start = 0; start < file.size();) {
        std::size_t end = file.find('\n', start);
        if (end == std::string_view::npos)
            end = file.size();
        const std::string_view line = TrimEnd(file.substr(start, end - start));
        start = end + 1;
        ++number;
        if (CodePoints(line) > kMaxHelpLineChars)
            throw HelpFormatError(
                number, "the line is longer than " + std::to_string(kMaxHelpLineChars) + " characters");
        if (const std::size_t at = FindControlCharacter(line); at != std::string_view::npos)
            throw HelpFormatError(number, "a control character (" + Escaped(line.substr(at, 1)) + ")");
        if (number == 1) {
            if (line.empty() || line.front() == ' ')
                throw HelpFormatError(number, "the first line must be the dialog's title");
            help.title = line;
            continue;
        }
        if (line.empty()) {
            afterBlank = true;
            continue;
        }
        // Section headers, each in its place.
        const auto header = [&](std::string_view name, Section from, Section to) {
            if (line != name)
                return false;
            if (section != from && !(to == Section::Example && section == Section::About))
                throw HelpFormatError(number, "'" + std::string(name) + "' out of place");
            if (section == Section::About && help.about.empty())
                throw HelpFormatError(number, "the title must be followed by what the procedure does");
            section = to;
            afterBlank = true;
            return true;
        };
        if (header("Controls", Section::About, Section::Controls) ||
            header("Example", Section::Controls, Section::Example) ||
            header("Script:", Section::Example, Section::Script) ||
            header("Lines sent:", Section::Script, Section::Sent)) {
            help.hasControls = help.hasControls || section == Section::Controls;
            continue;
        }
        switch (section) {
            case Section::About:
                AddProse(help.about, line, afterBlank);
                break;
            case Section::Controls:
                if (line.rfind("- ", 0) == 0) {
                    HelpControl control;
                    std::string_view rest = line.substr(2);
                    if (!rest.empty() && rest.front() == '"') {
                        const std::size_t close = rest.find('"', 1);
                        if (close == std::string_view::npos)
                            throw HelpFormatError(number, "the label's quote is never closed");
                        control.label = rest.substr(1, close - 1);
                        rest = rest.substr(close + 1);
                    }
                    control.text = TrimStart(rest);
                    help.controls.push_back(std::move(control));
                } else if (afterBlank || help.controls.empty()) {
                    help.controls.push_back({{}, std::string(TrimStart(line))});
                } else {
                    help.controls.back().text.append(" ").append(TrimStart(line));
                }
                break;
            case Section::Example:
                AddProse(help.example, line, afterBlank);
                break;
            case Section::Script:
            case Section::Sent:
                if (line.rfind(kIndent, 0) != 0)
                    throw HelpFormatError(number, "a line of the example must be indented by four blanks");
                (section == Section::Script ? help.script : help.sent)
                    .emplace_back(line.substr(kIndent.size()));
                break;
        }
        afterBlank = false;
    }
    if (help.about.empty())
        throw HelpFormatError(number, "the title must be followed by what the procedure does");
    if (section == Section::Example || section == Section::Script)
        throw HelpFormatError(number, "the example must go on with 'Script:' and 'Lines sent:'");
    help.hasExample = section == Section::Sent;
    return help;
}

std::string DialogTitle(const HostMenuItem& item) {
    const auto& chain = item.chain;
    const std::vector<std::wstring> last(
        chain.end() - static_cast<std::ptrdiff_t>(std::min<std::size_t>(3, chain.size())), chain.end());
    return CString(MenuPath(last)).ToUtf8();
}
