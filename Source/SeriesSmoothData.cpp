#include "Private/SeriesSmoothData.h"

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkDlgBase/TvkDlgBase.h"

void CSeriesSmoothData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CSeriesSmoothData::SetEditAttribute() {
    MedianValueEdit.SetSecond(1);
}

void CSeriesSmoothData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);

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
