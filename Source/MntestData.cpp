#include "Private/MntestData.h"

#include "Source/RecordRegistry.h"
#include "Source/ScalingCommon.h"

void CMntestData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList);
}

// No module line: the test stands in every module.
void CMntestData::GetCommandInfoList(CCmdList& lines) const {
    if (SaveFileCheck == 1)
        AddSaveCmd(SaveFileEdit, lines, L"MAHAL", L"S");
    CString text = L"MNTEST ";
    AddVariables(text, SelectedVariablesList, L" ");
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CMntestData);
