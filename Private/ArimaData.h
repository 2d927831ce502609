#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define ARIMA_OPTIONS(LIST, OPTION)                              \
    LIST(ListOfVariablesList)                                    \
    LIST(SelectedVariableList)                                   \
    OPTION(CGUIData<int>, ArParametersEdit, 1)                   \
    OPTION(CGUIData<int>, SeasonalArEdit, MarkedDefault(0, 1))   \
    OPTION(CGUIData<int>, MaEdit, MarkedDefault(0, 1))           \
    OPTION(CGUIData<int>, SeasonalMaEdit, MarkedDefault(0, 1))   \
    OPTION(CGUIData<int>, SeasonalPerEdit, 1)                    \
    OPTION(CGUIData<int>, IterationsEdit, 20)                    \
    OPTION(CGUIData<double>, ToleranceEdit, 0.01)                \
    OPTION(CGUIData<int>, BackCastEdit, 0)                       \
    OPTION(CGUIData<int>, ForeCastNoEdit, MarkedDefault(0, 1))   \
    OPTION(CGUIData<int>, ForeCastFromEdit, MarkedDefault(0, 1)) \
    OPTION(CGUIData<int>, ForeCastToEdit, MarkedDefault(0, 1))   \
    OPTION(CString, SaveFileEdit)                                \
    OPTION(int, ArParametersCheck, 1)                            \
    OPTION(int, SeasonalArCheck, 0)                              \
    OPTION(int, MaCheck, 0)                                      \
    OPTION(int, SeasonalMaCheck, 0)                              \
    OPTION(int, SeasonalPerCheck, 0)                             \
    OPTION(int, EstimateConstCheck, 0)                           \
    OPTION(int, ForeCastCheck, 0)                                \
    OPTION(int, SaveFileCheck, 0)                                \
    OPTION(int, ForeCastNoRadio, 0)

// ARIMA model of one series, with optional forecasts.
class CArimaData : public CRecordOptions<CArimaData> {
public:
    // Radio group of the forecast kind and its two buttons.
    static constexpr UINT kForecastRadioGroup = 1124;
    static constexpr UINT kForecastNumberItem = 1124;
    static constexpr UINT kForecastRangeItem = 1122;

    TVK_OPTIONS(ARIMA_OPTIONS)

    // The season length before each opening: the series module's, or 1 without one.
    static CGUIData<int> GetReassignedDefaultSeasonPerEdit();

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
