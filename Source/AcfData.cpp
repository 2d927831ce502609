#include "Private/AcfData.h"

#include <algorithm>

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"

CAcfData::CAcfData()
    : EditLagEdit(GetDefaultEditLagEdit()),
      SaveFileEdit(GetDefaultSaveFileEdit()),
      SaveFileCheck(GetDefaultSaveFileCheck()) {}

int CAcfData::GetMaximumLagValue() {
    return std::min(GetRowCount() - 1, kMaximumLag);
}

int CAcfData::GetAll(CVariableList& listOfVariables, CVariableList& selectedVariables, CGUIData<int>& editLag,
                     CString& saveFileEdit, int& saveFileCheck) const {
    listOfVariables = ListOfVariablesList;
    selectedVariables = SelectedVariablesList;
    editLag = EditLagEdit;
    saveFileEdit = SaveFileEdit;
    saveFileCheck = SaveFileCheck;
    return 1;
}

int CAcfData::SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariables,
                     const CGUIData<int>& editLag, const CString& saveFileEdit, int saveFileCheck) {
    ListOfVariablesList = listOfVariables;
    SelectedVariablesList = selectedVariables;
    EditLagEdit = editLag;
    SaveFileEdit = saveFileEdit;
    SaveFileCheck = saveFileCheck;
    return 1;
}

void CAcfData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(SaveFileEdit, SaveFileCheck, EditLagEdit, ListOfVariablesList, SelectedVariablesList);
}

void CAcfData::ReassignDefaultValue() {
    if (GetDialogID() == kVariantTplot)
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
    AddModuleCmd(kTimeSeriesModule, lines);
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());
    CString text = GetDialogID() == kVariantPacf    ? L"PACF "
                   : GetDialogID() == kVariantTplot ? L"TPLOT "
                                                    : L"ACF ";
    AddVariables(text, SelectedVariablesList, L" ");
    if (GetDialogID() != kVariantTplot)
        text += AddEditValueCmd(EditLagEdit, L" / LAG = ", 1);
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CAcfData);
