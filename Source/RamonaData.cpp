#include "Private/RamonaData.h"

#include <sstream>

#include "Source/RecordRegistry.h"

namespace {

CString JoinNames(const std::vector<CString>& names) {
    CString text;
    for (const CString& name : names)
        text += (text.IsEmpty() ? L"" : L" ") + name;
    return text;
}

}  // namespace

std::vector<CString> CRamonaData::SplitNames(const CString& text) {
    std::wistringstream in{std::wstring(text.str())};
    std::vector<CString> names;
    for (std::wstring word; in >> word;)
        names.emplace_back(word);
    return names;
}

std::optional<std::vector<CRamonaData::Path>> CRamonaData::ParsePaths(const CString& text) {
    std::vector<Path> paths;
    const std::wstring all(text.str());
    for (std::size_t start = 0; start <= all.size();) {
        std::size_t end = all.find(L';', start);
        if (end == std::wstring::npos)
            end = all.size();
        const std::wstring part = all.substr(start, end - start);
        start = end + 1;
        if (SplitNames(CString(part)).empty())
            continue;
        Path path;
        std::size_t arrow = part.find(L"<->");
        path.covariance = arrow != std::wstring::npos;
        if (!path.covariance)
            arrow = part.find(L"->");
        if (arrow == std::wstring::npos)
            return std::nullopt;
        const std::size_t after = arrow + (path.covariance ? 3 : 2);
        path.from = SplitNames(CString(part.substr(0, arrow)));
        path.to = SplitNames(CString(part.substr(after)));
        // A second arrow in one path is a typing slip, not a chain.
        if (path.from.empty() || path.to.empty() || part.find(L"->", after) != std::wstring::npos)
            return std::nullopt;
        paths.push_back(std::move(path));
    }
    if (paths.empty())
        return std::nullopt;
    return paths;
}

void CRamonaData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList, {});
    if (!PathsEdit.IsEmpty() || !LatentEdit.IsEmpty() || ListOfVariablesList.GetSize() < 2)
        return;
    CString manifest;
    for (const CGUIDataVariable& variable : ListOfVariablesList)
        manifest += L" " + variable.GetVariableName();
    PathsEdit = L"F1 ->" + manifest;
    LatentEdit = L"F1";
}

void CRamonaData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kPathModule, lines);
    CString model;
    if (const auto paths = ParsePaths(PathsEdit)) {
        for (const Path& path : *paths) {
            model += model.IsEmpty() ? L"" : L"; ";
            model += JoinNames(path.from) + (path.covariance ? L" <-> " : L" -> ") + JoinNames(path.to);
        }
    } else {
        model = PathsEdit;
        model.Trim();
    }
    const CString latent = JoinNames(SplitNames(LatentEdit));
    lines.AddTail(
        CCmdInfo(WithClauses(L"MODEL " + model, latent.IsEmpty() ? CString() : L" LATENT = " + latent), 0));
}

void CRamonaOptionsData::GetCommandInfoList(CCmdList& lines) const {
    CString clauses = KeywordClause(L"METHOD", kMethodKeywords, MethodCombo) +
                      IterationClauses(IterationsEdit, ConvergenceEdit);
    clauses += AddOnConditionCmd(L" START = ", StartCheck) + AddOnConditionCmd(StartValueEdit, StartCheck);
    clauses += AddOnConditionCmd(L" CORR", CorrelationCheck);
    lines.AddTail(CCmdInfo(WithClauses(L"ESTIMATE", clauses), 0));
}

REGISTER_RECORD(CRamonaData);
REGISTER_RECORD(CRamonaOptionsData);
REGISTER_RECORD(CRamonaTabData);
