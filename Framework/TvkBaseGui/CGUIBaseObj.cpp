#include "TvkBaseGui/CGUIBaseObj.h"

#include <locale>

#include "HostApi/HostServices.h"
#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkUseRes/ResourceTables.h"

CGUIBaseObj::CGUIBaseObj(const CGUIBaseObj& other)
    : m_nVariantID(other.m_nVariantID), m_nCommand(other.m_nCommand), m_nWindowState(other.m_nWindowState) {}

CGUIBaseObj& CGUIBaseObj::operator=(const CGUIBaseObj& other) {
    m_nVariantID = other.m_nVariantID;
    m_nCommand = other.m_nCommand;
    m_nWindowState = other.m_nWindowState;
    return *this;
}

void CGUIBaseObj::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(kBaseFormatVersion);
        ar.WriteInt32(m_nWindowState);
    } else {
        const int version = ar.ReadInt32("record format version");
        if (version != kBaseFormatVersion) {
            ar.Fail("unknown record format version " + std::to_string(version));
        }
        m_nWindowState = ar.ReadInt32("record window state");
    }
}

// Every caller asks for the data's variables as they are (the flag set): the source list is never
// re-ordered by the user, so there is nothing of its own to keep.
void CGUIBaseObj::UpdateCtrlList(CVariableList& target, const CVariableList& current, int) {
    target = current;
}

int CGUIBaseObj::GetRowCount() {
    IData* data = GetHostData();
    return data ? data->GetCaseCount() : 0;
}

void CGUIBaseObj::AddModuleCmd(UINT ids, CCmdList& lines) {
    CString text = GetString(ids);
    if (text.IsEmpty())
        return;
    IGlobal* global = GetHostGlobal();
    if (global && global->IsCurrentModule(text))
        AddRem(text);
    lines.AddTail(CCmdInfo(text, 0));
}

void CGUIBaseObj::AddModuleAndSaveCmd(UINT ids, int save, const CString& file, CCmdList& lines,
                                      const CString& command) {
    AddModuleCmd(ids, lines);
    if (save)
        AddSaveCmd(file, lines, command, CString());
}

void CGUIBaseObj::AddSaveCmd(const CString& file, CCmdList& lines, const CString& command,
                             const CString& text) {
    if (file.IsEmpty())
        return;
    CString line = L"SAVE ";
    // Callers may pass the command with its own leading blank (" VARIABLES"); the line keeps one.
    CString trimmedCommand = command;
    trimmedCommand.Trim();
    if (!trimmedCommand.IsEmpty())
        line += trimmedCommand + L" ";
    // A quote inside the name is doubled, as the command language reads a quoted name.
    CString quoted = file;
    quoted.Replace(L"\"", L"\"\"");
    line += L"\"" + quoted + L"\"";
    if (!text.IsEmpty())
        line += L" " + text;
    lines.AddTail(CCmdInfo(line, 0));
}

void CGUIBaseObj::AddVariablesClause(CString& line, const CString& clause, const CVariableList& variables) {
    if (variables.IsEmpty())
        return;
    line += clause;
    AddVariables(line, variables, L" ");
}

void CGUIBaseObj::AddVariables(CString& line, const CVariableList& variables, const CString& separator) {
    // Sized once, with room for the clauses that usually follow: a line can name hundreds of
    // thousands of variables, and growing it copies them all.
    std::size_t length = line.str().size() + 64;
    for (const auto& v : variables)
        length += v.GetVariableName().str().size() + separator.str().size();
    line.Reserve(length);
    bool first = true;
    for (const auto& v : variables) {
        if (!first)
            line += separator;
        line += v.GetVariableName();
        first = false;
    }
}

CString CGUIBaseObj::InHostSymbol(const CString& pointForm) {
    if (GetDecimalSymbol() != L',')
        return pointForm;
    CString text = pointForm;
    text.Replace(L".", L",");
    return text;
}

CString CGUIBaseObj::PointNumberText(double value) {
    // -0 means 0 to every reader; a line never carries the sign.
    if (value == 0)
        value = 0;
    std::wostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return CString(out.str());
}

CString CGUIBaseObj::NumberText(double value) {
    return InHostSymbol(PointNumberText(value));
}

CString CGUIBaseObj::NumberText(int value) {
    return CString(std::to_wstring(value));
}

CString CGUIBaseObj::NumberText(unsigned int value) {
    return CString(std::to_wstring(value));
}

std::optional<CString> CGUIBaseObj::TypedNumbersText(const CString& typed) {
    const wchar_t symbol = GetDecimalSymbol();
    std::wstring out;
    std::wistringstream in{std::wstring(typed.str())};
    for (std::wstring word; in >> word;) {
        // A stored text may come from a session under either symbol; a word holds at most one separator.
        const bool comma = word.find(L',') != std::wstring::npos;
        const auto value = CGUIBaseDlg::ParseDouble(CString(word), comma ? L',' : L'.');
        if (!value)
            return std::nullopt;
        if (word.front() == L'+' || (*value == 0 && word.front() == L'-'))
            word.erase(0, 1);
        for (wchar_t& c : word)
            if (c == L'.' || c == L',')
                c = symbol;
        if (!out.empty())
            out += L' ';
        out += word;
    }
    return CString(std::move(out));
}

void CGUIBaseObj::LoadFromArchive(CArchive& ar) {
    // Serialize would store into a storing archive; a load from one is a caller's error.
    if (!ar.IsLoading())
        ar.Fail("cannot load a record from an archive that is storing");
    // Keep what the record holds now, so that a failed load can put it back whole.
    CArchive snapshot;
    Serialize(snapshot);
    try {
        Serialize(ar);
    } catch (...) {
        CArchive restore(snapshot.GetBuffer());
        Serialize(restore);
        throw;
    }
}
