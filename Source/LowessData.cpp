#include "Private/LowessData.h"

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"

void CLowessData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CLowessData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);
    CString text = L"SMOOTH ";
    AddVariables(text, SelectedVariableList, L" ");
    // The tension is always written: the kernel tells lowess from the other smoothers by this clause.
    text += L"/LOWESS = " + NumberText(TensionEdit.GetValue());
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CLowessData);
