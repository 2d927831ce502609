#include "Host/HostData.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <unordered_set>

#include "TvkBaseGui/CGUIDataVariable.h"

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    // "inf" and "nan" parse, but a data file that holds them holds labels, not measurements.
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// Reads CSV records one at a time, in one pass over the text.
class CsvReader {
public:
    CsvReader(std::string_view text, const std::string& name) : m_text(text), m_name(name) {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
    }

    // The next record's cells; false at the end. `line` is the line the record starts on.
    bool Next(std::vector<std::string>& cells, int& line) {
        if (m_pos >= m_text.size())
            return false;
        cells.assign(1, std::string());
        line = m_line;
        bool quoted = false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '\n')
                ++m_line;
            if (quoted) {
                if (c != '"')
                    cells.back() += c == '\r' ? std::string() : std::string(1, c);
                else if (m_pos < m_text.size() && m_text[m_pos] == '"')
                    cells.back() += '"', ++m_pos;
                else
                    quoted = false;
            } else if (c == '\n') {
                return true;
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                cells.emplace_back();
            } else if (c != '\r') {
                cells.back() += c;
            }
        }
        if (quoted)
            throw HostError(m_name + ":" + std::to_string(line) + ": a quoted cell is never closed");
        return true;
    }

private:
    std::string_view m_text;
    const std::string& m_name;
    std::size_t m_pos = 0;
    int m_line = 1;
};

std::string Count(std::size_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

bool IsBlankRecord(const std::vector<std::string>& cells) {
    return cells.size() == 1 && TrimBlanks(cells[0]).empty();
}

}  // namespace

void HostData::LoadCsv(const std::string& path, const std::string& shownName) {
    const std::string& name = shownName.empty() ? path : shownName;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError(name + ": cannot open the data file");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw HostError(name + ": cannot read the data file");
    LoadCsvText(text.str(), name);
}

void HostData::LoadCsvText(std::string_view text, const std::string& name) {
    CsvReader reader(text, name);
    std::vector<std::string> cells;
    int line = 0;
    bool header = false;
    while (!header && reader.Next(cells, line))
        header = !IsBlankRecord(cells);
    if (!header)
        throw HostError(name + ":1: the data file is empty (no header row)");

    std::vector<DataVariableInfo> variables;
    std::unordered_set<std::wstring> names;
    const auto where = [&name](int at) { return name + ":" + std::to_string(at) + ": "; };
    for (const auto& cell : cells) {
        const std::string variable(TrimBlanks(cell));
        if (variable.empty())
            throw HostError(where(line) + "a variable without a name in the header row");
        // Compared as the dialogs will show them (malformed UTF-8 may read alike).
        CString shown = CString::FromUtf8(variable);
        if (!names.emplace(shown.str()).second)
            throw HostError(where(line) + "variable '" + shown.ToUtf8() + "' named twice");
        variables.push_back({std::move(shown), kVariableTypeNumeric});
    }

    std::vector<bool> numeric(variables.size(), true);
    long long cases = 0;
    while (reader.Next(cells, line)) {
        if (IsBlankRecord(cells))
            continue;
        if (cells.size() != variables.size())
            throw HostError(where(line) + "the row has " + Count(cells.size(), "cell") +
                            ", the header names " + Count(variables.size(), "variable"));
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (numeric[i] && !TrimBlanks(cells[i]).empty() && !IsNumber(cells[i]))
                numeric[i] = false;
        if (++cases > std::numeric_limits<int>::max())
            throw HostError(where(line) + "too many cases");
    }
    for (std::size_t i = 0; i < variables.size(); ++i)
        variables[i].type = numeric[i] ? kVariableTypeNumeric : kVariableTypeString;
    m_variables = std::move(variables);
    m_nCases = static_cast<int>(cases);
}

void HostData::Synthetic(int variables, int cases) {
    m_variables.clear();
    m_variables.reserve(static_cast<std::size_t>(variables));
    for (int i = 1; i <= variables; ++i)
        m_variables.push_back({CString(L"V" + std::to_wstring(i)), kVariableTypeNumeric});
    m_nCases = cases;
}

int HostData::GetGroupCount(const CString& variable) {
    for (const auto& v : m_variables)
        if (v.name == variable)
            return m_nGroups;
    return -1;
}

void HostData::Clear() {
    m_variables.clear();
    m_nCases = 0;
}
