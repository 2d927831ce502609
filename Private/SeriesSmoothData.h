#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define SERIES_SMOOTH_OPTIONS(LIST, OPTION)                     \
    LIST(ListOfVariablesList)                                   \
    LIST(SelectedVariableList)                                  \
    OPTION(CString, WeightEdit)                                 \
    OPTION(CGUIData<int>, MeanValueEdit, 3)                     \
    OPTION(CGUIData<int>, MedianValueEdit, MarkedDefault(0, 1)) \
    OPTION(int, SaveFileCheck, 0)                               \
    OPTION(int, MeanRadio, 0)                                   \
    OPTION(CString, SaveFileEdit)

// Smoothing of series by a running mean, a running median or given weights.
class CSeriesSmoothData : public CRecordOptions<CSeriesSmoothData> {
public:
    // Radio group of the smoothing kind and its three buttons.
    static constexpr UINT kSmoothRadioGroup = 4328;
    static constexpr UINT kMeanItem = 4328;
    static constexpr UINT kMedianItem = 4330;
    static constexpr UINT kWeightsItem = 4338;

    TVK_OPTIONS(SERIES_SMOOTH_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
