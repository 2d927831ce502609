#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Smoothing of series by a running mean, a running median or given weights.
class CSeriesSmoothData : public CRecordOptions<CSeriesSmoothData> {
public:
    // Radio group of the smoothing kind and its three buttons.
    static constexpr UINT kSmoothRadioGroup = 4328;
    static constexpr UINT kMeanItem = 4328;
    static constexpr UINT kMedianItem = 4330;
    static constexpr UINT kWeightsItem = 4338;

    static CString GetDefaultWeightEdit() { return {}; }
    static CGUIData<int> GetDefaultMeanValueEdit() { return CGUIData<int>(3); }
    static CGUIData<int> GetDefaultMedianValueEdit() { return SecondMarkedDefault(0); }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultMeanRadio() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, WeightEdit, MeanValueEdit, MedianValueEdit,
                        SaveFileCheck, MeanRadio, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CString WeightEdit = GetDefaultWeightEdit();
    CGUIData<int> MeanValueEdit = GetDefaultMeanValueEdit();
    CGUIData<int> MedianValueEdit = GetDefaultMedianValueEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    int MeanRadio = GetDefaultMeanRadio();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
