#include "Private/AcfData.h"

#include <algorithm>

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"

int CAcfData::GetMaximumLagValue() {
    return std::min(GetRowCount() - 1, kMaximumLag);
}

void CAcfData::ReassignDefaultValue() {
    if (GetVariantID() == kVariantTplot)
        return;
    if (EditLagEdit.GetValue() == kMaximumLag)
        EditLagEdit = CGUIData<int>(GetMaximumLagValue());
}

void CAcfData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariablesList);
}

void CAcfData::SetEditAttribute() {
    EditLagEdit.SetSecond(2);
}

void CAcfData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);
    CString text = GetVariantID() == kVariantPacf    ? L"PACF "
                   : GetVariantID() == kVariantTplot ? L"TPLOT "
                                                     : L"ACF ";
    AddVariables(text, SelectedVariablesList, L" ");
    if (GetVariantID() != kVariantTplot)
        text += AddEditValueCmd(EditLagEdit, L" / LAG = ", 1);
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CAcfData);
