#include "Source/TimeSeriesCommon.h"

#include "HostApi/HostServices.h"
#include "TvkBaseGui/CBaseGui.h"

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
