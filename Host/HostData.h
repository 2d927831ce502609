#pragma once

#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "Host/HostText.h"
#include "HostApi/CModuleBase.h"

// An error in what the user gave the host; the message names the file and line.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The host's data: variables and their cases. Only names, types and the number of cases matter to
// the dialogs, so the cells themselves are not kept.
//
// CSV rules: the first row (after any blank lines) names the variables; every later non-blank row is
// one case with exactly one cell per variable. Cells are separated by commas; a cell in double quotes
// may hold commas, line breaks and doubled quotes (""). Lines end at \n, \r\n or a lone \r. A variable
// is numeric when every non-empty cell of its column is a number (an all-empty column is numeric), else
// a string variable. Blanks around names and numbers do not count; a UTF-8 byte-order mark at the start
// is skipped, a UTF-16 or UTF-32 one refused. Names follow IsValidVariableName, unique ignoring case:
// they go into command lines as they are. A row (with the line breaks of its quoted cells) is at most
// kMaxLineBytes; a NUL byte means the file is not text.
class HostData final : public CModuleBase<IData> {
public:
    HostData() : CModuleBase(L"TvkData") {}
    // Throws HostError naming the file and line of what is malformed; the data is left unchanged then.
    void LoadCsv(const std::string& path, const std::string& shownName = {});
    // `rowLimit` is for tests: the limit that a file's rows are held to.
    void LoadCsvText(std::string_view text, const std::string& name, std::size_t rowLimit = kMaxLineBytes);
    void Synthetic(int variables, int cases);
    void Clear();

    int GetCaseCount() override { return m_nCases; }
    int GetVariableCount() override { return static_cast<int>(m_variables.size()); }
    const std::vector<DataVariableInfo>& GetVariables() override { return m_variables; }
    // Every variable counts the same number of groups, as `set groups` says (cells are not kept).
    int GetGroupCount(const CString& variable) override;
    int GetDataSetCount() override { return m_variables.empty() ? 0 : 1; }
    void SetGroupCount(int groups) { m_nGroups = groups; }
    // A host that shows the data keeps the cells of the files loaded from then on: the header row, then
    // one row a case (cells as the file has them).
    void SetKeepCells(bool keep) { m_keepCells = keep; }
    const std::vector<std::vector<std::string>>& GetCells() const { return m_cells; }

private:
    void Load(std::streambuf& in, const std::string& name, std::size_t rowLimit);

    std::vector<DataVariableInfo> m_variables;
    int m_nCases = 0;
    int m_nGroups = 2;
    bool m_keepCells = false;
    std::vector<std::vector<std::string>> m_cells;
};
