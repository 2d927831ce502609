#include "Private/SeriesSmoothData.h"

#include "Source/RecordRegistry.h"
#include "TvkDlgBase/TvkDlgBase.h"

CSeriesSmoothData::CSeriesSmoothData()
    : WeightEdit(GetDefaultWeightEdit()),
      MeanValueEdit(GetDefaultMeanValueEdit()),
      MedianValueEdit(GetDefaultMedianValueEdit()),
      SaveFileCheck(GetDefaultSaveFileCheck()),
      MeanRadio(GetDefaultMeanRadio()),
      SaveFileEdit(GetDefaultSaveFileEdit()) {}

int CSeriesSmoothData::GetAll(CVariableList& listOfVariables, CVariableList& selectedVariable,
                              CString& weight, CGUIData<int>& meanValue, CGUIData<int>& medianValue,
                              int& saveFileCheck, int& meanRadio, CString& saveFileEdit) const {
    listOfVariables = ListOfVariablesList;
    selectedVariable = SelectedVariableList;
    weight = WeightEdit;
    meanValue = MeanValueEdit;
    medianValue = MedianValueEdit;
    saveFileCheck = SaveFileCheck;
    meanRadio = MeanRadio;
    saveFileEdit = SaveFileEdit;
    return 1;
}

int CSeriesSmoothData::SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariable,
                              CString weight, CGUIData<int> meanValue, CGUIData<int> medianValue,
                              int saveFileCheck, int meanRadio, const CString& saveFileEdit) {
    ListOfVariablesList = listOfVariables;
    SelectedVariableList = selectedVariable;
    WeightEdit = std::move(weight);
    MeanValueEdit = meanValue;
    MedianValueEdit = medianValue;
    SaveFileCheck = saveFileCheck;
    MeanRadio = meanRadio;
    SaveFileEdit = saveFileEdit;
    return 1;
}

void CSeriesSmoothData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(WeightEdit, SaveFileCheck, MeanRadio, SaveFileEdit, MeanValueEdit, MedianValueEdit,
          ListOfVariablesList, SelectedVariableList);
}

void CSeriesSmoothData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CSeriesSmoothData::SetEditAttribute() {
    MedianValueEdit.SetSecond(1);
}

void CSeriesSmoothData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTimeSeriesModule, lines);
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());

    CString text = L"SMOOTH ";
    AddVariables(text, SelectedVariableList, L" ");
    // The clause names the kind of smoothing, so its span or weights go with it, changed or not.
    switch (CRadioUtil::GetRadioItem(kSmoothRadioGroup, MeanRadio)) {
        case kMeanItem:
            AppendEditValueCmd(text, MeanValueEdit, L" / MEAN=");
            break;
        case kMedianItem:
            AppendEditValueCmd(text, MedianValueEdit, L" / MEDIAN=");
            break;
        case kWeightsItem:
            text += L" / WT=" + WeightEdit;
            break;
        default:
            break;
    }
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CSeriesSmoothData);
