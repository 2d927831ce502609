#include "TvkBaseGui/CBaseGui.h"

#include "HostApi/HostServices.h"

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
