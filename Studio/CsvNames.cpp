#include "Studio/CsvNames.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "Host/HostText.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::string ValidName(const std::string& name, std::size_t column) {
    std::string out;
    for (char c : Trimmed(name))
        out += std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80 ? c : '_';
    if (out.empty())
        return "V" + std::to_string(column + 1);
    if (!std::isalpha(static_cast<unsigned char>(out[0])))
        out = "V" + out;
    return out.substr(0, kMaxVariableName);
}

}  // namespace

RenamedHeader MakeHeaderNamesValid(const std::string& csv) {
    // The header row: the first that is not blank, cells split at commas outside double quotes.
    std::size_t start = 0;
    if (csv.compare(0, 3, "\xEF\xBB\xBF") == 0)
        start = 3;
    // Blank lines before it stay as they are.
    for (std::size_t line = start; line < csv.size();) {
        std::size_t end = csv.find_first_of("\r\n", line);
        if (end == std::string::npos)
            end = csv.size();
        if (csv.find_first_not_of(" \t", line) < end) {
            start = line;
            break;
        }
        line = end + 1;
        start = line;
    }
    std::vector<std::string> names(1);
    bool quoted = false;
    std::size_t end = start;
    for (; end < csv.size(); ++end) {
        const char c = csv[end];
        if (quoted) {
            if (c == '"' && end + 1 < csv.size() && csv[end + 1] == '"')
                names.back() += csv[++end];
            else if (c == '"')
                quoted = false;
            else
                names.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            names.emplace_back();
        } else if (c == '\n' || c == '\r') {
            break;
        } else {
            names.back() += c;
        }
    }
    RenamedHeader result;
    std::set<std::string> taken;
    std::string header;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string old = Trimmed(names[i]);
        std::string name = IsValidVariableName(old) ? old : ValidName(old, i);
        const std::string base = name;
        for (int n = 2; taken.count(Lower(name)); ++n) {
            const std::string suffix = "_" + std::to_string(n);
            name = base.substr(0, kMaxVariableName - suffix.size()) + suffix;
        }
        taken.insert(Lower(name));
        if (name != old)
            result.renamed.emplace_back(old, name);
        header += (i ? "," : "") + name;
    }
    result.text = csv.substr(0, start) + header + csv.substr(end);
    return result;
}
