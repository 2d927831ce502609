#include "Private/FourierData.h"

#include <algorithm>

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"

int CFourierData::GetUpperLimitLagEdit() {
    return std::min(GetFourierNonMissingCases() / 2 + 1, kMaximumLag);
}

int CFourierData::GetFourierNonMissingCases() {
    return GetRowCount();
}

void CFourierData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CFourierData::SetEditAttribute() {
    LagEdit.SetSecond(2);
}

void CFourierData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);
    CString text = L"FOURIER ";
    AddVariables(text, SelectedVariableList, L" ");
    // The last flag, not the default mark, tells whether the user gave a number of lags.
    if (LagEdit.GetLast() == 0)
        AppendEditValueCmd(text, LagEdit, L" /LAG=");
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CFourierData);
