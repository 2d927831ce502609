#include "TvkBaseGui/CBaseGui.h"

#include "HostApi/HostServices.h"
#include "TvkBaseGui/CNameIndex.h"

void CBaseGui::GetSourceVariable(CVariableList& list, int kind, int flag) {
    list.RemoveAll();
    IData* data = GetHostData();
    if (!data)
        return;
    const auto& variables = data->GetVariables();
    list.Reserve(variables.size());
    for (const auto& v : variables)
        if (kind != kSourceNumericVariables || v.type == kVariableTypeNumeric)
            list.Add(CGUIDataVariable(v.name, v.type));
}

void CBaseGui::GetSourceVarRowStats(CVariableList& list, int flag) {
    GetSourceVariable(list, kSourceNumericVariables, flag);
}

namespace {

// Whether each item of `list` is, in the list's order, the very text of a variable of the data: a list
// taken from the data's variables while the data has not changed. Texts are shared and a shared text
// never changes, so the same text is the same name; no name is read.
bool InDataOrder(const CVariableList& list, const std::vector<DataVariableInfo>& variables) {
    auto at = variables.begin();
    for (const auto& item : list) {
        const wchar_t* name = item.GetVariableName().GetString();
        while (at != variables.end() && at->name.GetString() != name)
            ++at;
        if (at == variables.end())
            return false;
        ++at;
    }
    return true;
}

}  // namespace

std::vector<bool> CBaseGui::PresentInData(const CVariableList& list) {
    std::vector<bool> present(list.Items().size(), false);
    IData* data = GetHostData();
    if (!data || list.IsEmpty())
        return present;
    if (InDataOrder(list, data->GetVariables()))
        return std::vector<bool>(present.size(), true);
    CNameIndex index;
    index.Build(list);
    // Found names are marked at the first item of that name; the list may name a variable twice.
    std::vector<bool> found(present.size(), false);
    std::size_t missing = index.Size();
    for (const auto& v : data->GetVariables()) {
        const int at = index.Find(list, v.name);
        if (at < 0 || found[static_cast<std::size_t>(at)])
            continue;
        found[static_cast<std::size_t>(at)] = true;
        if (--missing == 0)
            break;
    }
    for (std::size_t i = 0; i < present.size(); ++i)
        present[i] = found[static_cast<std::size_t>(index.Find(list, list.Items()[i].GetVariableName()))];
    return present;
}
