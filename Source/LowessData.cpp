#include "Private/LowessData.h"

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"

CLowessData::CLowessData()
    : TensionEdit(GetDefaultTensionEdit()),
      SaveFileCheck(GetDefaultSaveFileCheck()),
      SaveFileEdit(GetDefaultSaveFileEdit()) {}

int CLowessData::GetAll(CVariableList& listOfVariables, CVariableList& selectedVariables,
                        CGUIData<double>& tension, int& saveFileCheck, CString& saveFileEdit) const {
    listOfVariables = ListOfVariablesList;
    selectedVariables = SelectedVariableList;
    tension = TensionEdit;
    saveFileCheck = SaveFileCheck;
    saveFileEdit = SaveFileEdit;
    return 1;
}

int CLowessData::SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariables,
                        CGUIData<double> tension, int saveFileCheck, const CString& saveFileEdit) {
    ListOfVariablesList = listOfVariables;
    SelectedVariableList = selectedVariables;
    TensionEdit = tension;
    SaveFileCheck = saveFileCheck;
    SaveFileEdit = saveFileEdit;
    return 1;
}

void CLowessData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(SaveFileCheck, SaveFileEdit, TensionEdit, ListOfVariablesList, SelectedVariableList);
}

void CLowessData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CLowessData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTimeSeriesModule, lines);
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());
    CString text = L"SMOOTH ";
    AddVariables(text, SelectedVariableList, L" ");
    // The tension is always written: the kernel tells lowess from the other smoothers by this clause.
    text += L"/LOWESS = " + NumberText(TensionEdit.GetValue());
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CLowessData);
