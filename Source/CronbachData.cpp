#include "Private/CronbachData.h"

#include "Source/RecordRegistry.h"
#include "Source/ScalingCommon.h"

void CCronbachData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList);
}

// No module line: the reliability command stands in every module.
void CCronbachData::GetCommandInfoList(CCmdList& lines) const {
    CString text = L"CRONBACH ";
    AddVariables(text, SelectedVariablesList, L" ");
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CCronbachData);
REGISTER_RECORD(CCronbachTabData);
