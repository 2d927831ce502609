#include "Source/TimeSeriesCommon.h"

#include "HostApi/HostServices.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CGUIDlgControls.h"

void FillTimeSeriesSource(CGUIBaseObj& record, CVariableList& source, CVariableList& selected) {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    record.UpdateCtrlList(source, current, 1);
    if (selected.IsEmpty() && !source.IsEmpty())
        selected.Add(source.GetAt(0));
}

std::optional<int> GetSeriesSeasonLength() {
    IGlobal* global = GetHostGlobal();
    if (!global)
        return std::nullopt;
    auto* series = dynamic_cast<ISeries*>(global->FindModule(L"TvkSeries"));
    if (!series)
        return std::nullopt;
    return series->GetSeasonLength();
}

void EnableRadioChoices(CGUIDlgControls& dlg, BOOL open, std::initializer_list<RadioChoice> choices) {
    for (const RadioChoice& choice : choices) {
        dlg.EnableCtrl(choice.radio, open);
        const BOOL chosen = open && dlg.IsCtrlChecked(choice.radio);
        for (UINT id : choice.governs)
            dlg.EnableCtrl(id, chosen);
    }
}
