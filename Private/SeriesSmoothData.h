#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// Smoothing of series by a running mean, a running median or given weights.
class CSeriesSmoothData : public CGUIBaseObj {
public:
    // Radio group of the smoothing kind and its three buttons.
    static constexpr UINT kSmoothRadioGroup = 4328;
    static constexpr UINT kMeanItem = 4328;
    static constexpr UINT kMedianItem = 4330;
    static constexpr UINT kWeightsItem = 4338;

    CSeriesSmoothData();

    static CString GetDefaultWeightEdit() { return {}; }
    static CGUIData<int> GetDefaultMeanValueEdit() { return CGUIData<int>(3); }
    static CGUIData<int> GetDefaultMedianValueEdit() { return SecondMarkedDefault(0); }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultMeanRadio() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariable, CString& weight,
               CGUIData<int>& meanValue, CGUIData<int>& medianValue, int& saveFileCheck, int& meanRadio,
               CString& saveFileEdit) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariable, CString weight,
               CGUIData<int> meanValue, CGUIData<int> medianValue, int saveFileCheck, int meanRadio,
               const CString& saveFileEdit);

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CString WeightEdit;
    CGUIData<int> MeanValueEdit;
    CGUIData<int> MedianValueEdit;
    int SaveFileCheck;
    int MeanRadio;
    CString SaveFileEdit;
};
