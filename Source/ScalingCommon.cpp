#include "Source/ScalingCommon.h"

#include "TvkBaseGui/CBaseGui.h"

void FillNumericSource(CGUIBaseObj& record, CVariableList& source) {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    record.UpdateCtrlList(source, current, 1);
}
