#include "Host/HostData.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

// Splits one CSV record (RFC 4180 quoting); `line` may hold embedded newlines already joined.
bool SplitRecord(const std::string& line, std::vector<std::string>& cells) {
    cells.clear();
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            cells.push_back(cell);
            cell.clear();
        } else if (c != '\r') {
            cell += c;
        }
    }
    cells.push_back(cell);
    return !quoted;
}

bool IsNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return false;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

void HostData::LoadCsv(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError(path + ": cannot open the data file");
    std::ostringstream text;
    text << in.rdbuf();
    LoadCsvText(text.str(), path);
}

void HostData::LoadCsvText(const std::string& text, const std::string& name) {
    std::vector<DataVariableInfo> variables;
    std::vector<bool> numeric;
    std::vector<bool> anyValue;
    int cases = 0;
    int lineNo = 0;
    int recordLine = 0;
    std::string pending;
    std::vector<std::string> cells;
    std::istringstream in(text);
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        ++lineNo;
        if (pending.empty())
            recordLine = lineNo;
        pending += line;
        if (!SplitRecord(pending, cells)) {
            pending += '\n';  // a quoted cell goes on over the line break
            continue;
        }
        pending.clear();
        const std::string where = name + ":" + std::to_string(recordLine) + ": ";
        if (header) {
            if (cells.size() == 1 && IsBlank(cells[0]))
                throw HostError(where + "the header row names no variables");
            for (const auto& c : cells) {
                if (IsBlank(c))
                    throw HostError(where + "a variable without a name in the header row");
                for (const auto& v : variables)
                    if (v.name == CString::FromUtf8(c))
                        throw HostError(where + "variable '" + c + "' named twice");
                variables.push_back({CString::FromUtf8(c), 2});
            }
            numeric.assign(variables.size(), true);
            anyValue.assign(variables.size(), false);
            header = false;
            continue;
        }
        if (cells.size() == 1 && IsBlank(cells[0]))
            continue;  // blank lines carry no case
        if (cells.size() != variables.size())
            throw HostError(where + "row has " + std::to_string(cells.size()) + " cells, the header names " +
                            std::to_string(variables.size()) + " variables");
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (IsBlank(cells[i]))
                continue;
            anyValue[i] = true;
            if (numeric[i] && !IsNumber(cells[i]))
                numeric[i] = false;
        }
        ++cases;
    }
    if (!pending.empty())
        throw HostError(name + ":" + std::to_string(recordLine) + ": a quoted cell is never closed");
    if (header)
        throw HostError(name + ":1: the data file is empty (no header row)");
    for (std::size_t i = 0; i < variables.size(); ++i)
        variables[i].type = numeric[i] ? 2 : 1;
    m_variables = std::move(variables);
    m_nCases = cases;
}

void HostData::Synthetic(int variables, int cases) {
    m_variables.clear();
    m_variables.reserve(static_cast<std::size_t>(variables));
    for (int i = 1; i <= variables; ++i)
        m_variables.push_back({CString(L"V" + std::to_wstring(i)), 2});
    m_nCases = cases;
}

void HostData::Clear() {
    m_variables.clear();
    m_nCases = 0;
}
