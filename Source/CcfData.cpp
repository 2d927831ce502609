#include "Private/CcfData.h"

#include <algorithm>

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CBaseGui.h"

CGUIData<int> CCcfData::GetReassignedDefaultLagEdit() {
    return CGUIData<int>(std::min(GetRowCount() - 1, kMaximumLag));
}

void CCcfData::ReassignDefaultValue() {
    // Unlike the autocorrelation lag, a lag typed earlier does not survive to the next showing.
    LagEdit = GetReassignedDefaultLagEdit();
}

void CCcfData::FillListSource() {
    // Two series are compared, so none is chosen for the user.
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    UpdateCtrlList(ListOfVariablesList, current, 1);
}

void CCcfData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);
    CString text = L"CCF ";
    AddVariables(text, SelectedVariableList, L" ");
    text += AddEditValueCmd(LagEdit, L" / LAG = ", 1);
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CCcfData);
