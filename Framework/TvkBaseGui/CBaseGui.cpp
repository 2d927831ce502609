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

std::vector<bool> CBaseGui::PresentInData(const CVariableList& list) {
    std::vector<bool> present(list.Items().size(), false);
    IData* data = GetHostData();
    if (!data || list.IsEmpty())
        return present;
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
