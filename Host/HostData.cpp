#include "Host/HostData.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <unordered_map>

#include "Host/HostText.h"
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

// Reads CSV records one at a time, in one pass over the stream: a data file is never held whole.
class CsvReader {
public:
    CsvReader(std::streambuf& in, const std::string& name, std::size_t limit)
        : m_in(in), m_name(name), m_limit(limit) {
        const ByteOrderMark mark = m_in.ReadByteOrderMark();
        if (mark == ByteOrderMark::Utf16 || mark == ByteOrderMark::Utf32)
            throw HostError(m_name + ":1: the file is in " +
                            (mark == ByteOrderMark::Utf16 ? "UTF-16" : "UTF-32") +
                            " (it starts with that byte-order mark): save it as UTF-8");
    }

    // The next record's cells; false at the end. `line` is the line the record starts on. A line
    // ends at \n, \r\n or a lone \r.
    bool Next(std::vector<std::string>& cells, int& line) {
        if (m_in.Peek() == ByteReader::kEnd)
            return false;
        cells.assign(1, std::string());
        line = m_line;
        bool quoted = false;
        std::size_t bytes = 0;
        for (int c = m_in.Get(); c != ByteReader::kEnd; c = m_in.Get()) {
            if (c == 0)
                throw HostError(m_name + ":" + std::to_string(m_line) +
                                ": a NUL byte: this is not a text file");
            if (++bytes > m_limit)
                throw HostError(m_name + ":" + std::to_string(line) + ": a row longer than " +
                                SizeText(m_limit) + " (the limit of a row)");
            const bool lineEnd = c == '\n' || c == '\r';
            if (c == '\r' && m_in.Peek() == '\n')
                m_in.Get();
            if (lineEnd)
                ++m_line;
            if (quoted) {
                if (lineEnd)
                    cells.back() += '\n';
                else if (c != '"')
                    cells.back() += static_cast<char>(c);
                else if (m_in.Peek() == '"')
                    cells.back() += '"', m_in.Get();
                else
                    quoted = false;
            } else if (lineEnd) {
                return true;
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                cells.emplace_back();
            } else {
                cells.back() += static_cast<char>(c);
            }
        }
        if (quoted)
            throw HostError(m_name + ":" + std::to_string(line) + ": a quoted cell is never closed");
        return true;
    }

private:
    ByteReader m_in;
    const std::string& m_name;
    std::size_t m_limit;
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
    if (const std::string problem = FileProblem(path); !problem.empty())
        throw HostError(name + ": cannot open the data file: " + problem);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError(name + ": cannot open the data file");
    try {
        Load(*in.rdbuf(), name, kMaxLineBytes);
    } catch (const std::ios_base::failure& e) {
        throw HostError(name + ": cannot read the data file");
    }
}

void HostData::LoadCsvText(std::string_view text, const std::string& name, std::size_t rowLimit) {
    TextBuf buf(text);
    Load(buf, name, rowLimit);
}

void HostData::Load(std::streambuf& in, const std::string& name, std::size_t rowLimit) {
    CsvReader reader(in, name, rowLimit);
    std::vector<std::string> cells;
    int line = 0;
    bool header = false;
    while (!header && reader.Next(cells, line))
        header = !IsBlankRecord(cells);
    if (!header)
        throw HostError(name + ":1: the data file is empty (no header row)");

    std::vector<DataVariableInfo> variables;
    std::unordered_map<std::string, std::string> names;  // lower case to the name as written
    const auto where = [&name](int at) { return name + ":" + std::to_string(at) + ": "; };
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const std::string variable(TrimBlanks(cells[column]));
        if (variable.empty())
            throw HostError(where(line) + "a variable without a name in the header row");
        if (IsReservedWord(variable))
            throw HostError(where(line) + "column " + std::to_string(column + 1) + ": " + Shown(variable) +
                            " is a keyword of the command language, which no variable may be named");
        if (!IsValidVariableName(variable))
            throw HostError(where(line) + "column " + std::to_string(column + 1) + ": " + Shown(variable) +
                            " is not a valid variable name");
        std::string folded = variable;
        for (char& c : folded)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (const auto [it, added] = names.emplace(folded, variable); !added)
            throw HostError(
                where(line) + "variable '" + variable + "' named twice" +
                (it->second == variable ? "" : " (as '" + it->second + "' before; case does not count)"));
        variables.push_back({CString::FromUtf8(variable), kVariableTypeNumeric});
    }
    std::vector<bool> numeric(variables.size(), true);
    std::vector<std::vector<std::string>> kept;
    if (m_keepCells)
        kept.push_back(cells);
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
        if (m_keepCells)
            kept.push_back(cells);
    }
    for (std::size_t i = 0; i < variables.size(); ++i)
        variables[i].type = numeric[i] ? kVariableTypeNumeric : kVariableTypeString;
    m_variables = std::move(variables);
    m_nCases = static_cast<int>(cases);
    m_cells = std::move(kept);
}

void HostData::Synthetic(int variables, int cases) {
    m_variables.clear();
    m_variables.reserve(static_cast<std::size_t>(variables));
    for (int i = 1; i <= variables; ++i)
        m_variables.push_back({CString(L"V" + std::to_wstring(i)), kVariableTypeNumeric});
    m_nCases = cases;
    m_cells.clear();
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
    m_cells.clear();
}
