#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "Host/Interfaces.h"

// An error in what the user gave the host: names the file and line.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The host's data: variables and their cases. Only names, types and the number of cases matter to
// the dialogs, so the cells themselves are not kept.
class HostData final : public IData {
public:
    // A header row of names; a column is numeric when every non-empty cell is a number, else string.
    // Throws HostError naming the file and line of what is malformed.
    void LoadCsv(const std::string& path);
    void LoadCsvText(const std::string& text, const std::string& name);
    void Synthetic(int variables, int cases);
    void Clear();

    int GetCaseCount() override { return m_nCases; }
    int GetVariableCount() override { return static_cast<int>(m_variables.size()); }
    const std::vector<DataVariableInfo>& GetVariables() override { return m_variables; }

    IGlobal* GetGlobal() override { return nullptr; }
    void Release() override {}
    void Print() override {}
    CString& GetName() override { return m_name; }
    void SetName(const CString& name) override { m_name = name; }
    bool ReleaseHolder(Holder*, int) override { return false; }
    void Reserved() override {}
    IBinReader* GetResourceHandle() override { return nullptr; }

private:
    std::vector<DataVariableInfo> m_variables;
    int m_nCases = 0;
    CString m_name = L"TvkData";
};
