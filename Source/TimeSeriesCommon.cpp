#include "Source/TimeSeriesCommon.h"

#include "TvkBaseGui/CBaseGui.h"

void FillTimeSeriesSource(CGUIBaseObj& record, CVariableList& source, CVariableList& selected) {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    record.UpdateCtrlList(source, current, 1);
    if (selected.IsEmpty() && !source.IsEmpty())
        selected.Add(source.GetAt(0));
}
