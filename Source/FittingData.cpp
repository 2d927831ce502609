#include "Private/FittingData.h"

#include "HostApi/HostServices.h"
#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkUseRes/ResourceTables.h"

CString CFittingData::GetDefaultSelectedDistributionsListName() const {
    return GetString(IsDistributionTypeContinuous() ? kContinuousListName : kDiscreteListName);
}

const wchar_t* CFittingData::DistribInfoFile(UINT variantId) {
    return variantId == kDiscrete ? L"FittingDiscreteDistribInfo.ini" : L"FittingContinuousDistribInfo.ini";
}

void CFittingData::ReadDistribInfo(CDistribManager& manager) const {
    IGlobal* global = GetHostGlobal();
    manager.ReadDistribInfo((global ? global->GetDistributionFolder() : CString()) +
                            DistribInfoFile(GetVariantID()));
}

int CFittingData::GetDistribType(const CDistribManager& manager, const CString& name) const {
    const UINT ids = manager.GetIDSFromString(name);
    return ids ? manager.GetDistribTypeFromIDS(ids) : -1;
}

void CFittingData::Serialize(CArchive& ar) {
    CDistribNewData::Serialize(ar);
    ar.Io(SaveFileEdit, SaveFileCheck, ListOfVariablesList, SelectedVariablesList);
    ar.IoNames(CArchive::TextKind::DisplayName, DistributionsList, SelectedDistributionsList);
    ar.Io(DistribManagerData);
}

void CFittingData::FillListSource() {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    UpdateCtrlList(ListOfVariablesList, current, 1);
    if (SelectedVariablesList.IsEmpty() && !ListOfVariablesList.IsEmpty())
        SelectedVariablesList.Add(ListOfVariablesList.GetAt(0));
    CDistribManager manager(nullptr);
    ReadDistribInfo(manager);
    CVariableList offered;
    for (const DistribInfo& d : manager.GetInfo())
        offered.Add(CGUIDataVariable(GetString(d.nameIds), kVariableTypeNumeric));
    UpdateCtrlList(DistributionsList, offered, 1);
}

void CFittingData::GetCommandInfoList(CCmdList& lines) const {
    CDistribManager manager(nullptr);
    ReadDistribInfo(manager);
    std::vector<int> types;
    CVariableList commands;
    for (const CGUIDataVariable& d : SelectedDistributionsList) {
        // A name the description file does not offer (a record kept from elsewhere) is no choice.
        const int type = GetDistribType(manager, d.GetVariableName());
        const CString command = GetDistributionCommand(type);
        if (command.IsEmpty())
            continue;
        types.push_back(type);
        commands.Add(CGUIDataVariable(command, kVariableTypeNumeric));
    }
    AddModuleAndSaveCmd(kModule, SaveFileCheck, SaveFileEdit, lines);
    const bool continuous = IsDistributionTypeContinuous();
    CString text = continuous ? L"CONTINUOUS " : L"DISCRETE ";
    AddVariables(text, SelectedVariablesList, L" ");
    text += L"/ DISTRIBUTION = ";
    if (types.empty()) {
        text += continuous ? L"Z" : L"P";
    } else if (types.size() > 1) {
        if (!continuous)
            return;
        AddVariables(text, commands, L" ");
    } else {
        const int type = types.front();
        const std::vector<double>* values = DistribManagerData.FindValues(type);
        text += commands.GetAt(0).GetVariableName() + L"(";
        for (std::size_t i = 0; values && i < values->size(); ++i)
            text += (i ? L", " : L"") + (IsIntegerParameter(type, static_cast<int>(i))
                                             ? NumberText(static_cast<int>((*values)[i]))
                                             : NumberText((*values)[i]));
        text += L")";
    }
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CFittingData);
