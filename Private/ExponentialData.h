#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define EXPONENTIAL_OPTIONS(LIST, OPTION)                            \
    LIST(ListOfVariablesList)                                        \
    LIST(SelectedVariableList)                                       \
    OPTION(CGUIData<double>, SmoothEdit, 0.1)                        \
    OPTION(CGUIData<double>, TrendLinearEdit, MarkedDefault(0.0, 1)) \
    OPTION(CGUIData<double>, PercentEdit, MarkedDefault(0.0, 1))     \
    OPTION(CGUIData<double>, SeasonAddEdit, MarkedDefault(0.0, 1))   \
    OPTION(CGUIData<double>, SeasonMultiEdit, MarkedDefault(0.0, 1)) \
    OPTION(CGUIData<int>, NumberEdit, 1)                             \
    OPTION(CGUIData<int>, ForecastFromEdit, MarkedDefault(1, 1))     \
    OPTION(CGUIData<int>, ForecastToEdit, MarkedDefault(1, 1))       \
    OPTION(CGUIData<int>, SeasonPeriodEdit, 12)                      \
    OPTION(int, TrendCheck, 0)                                       \
    OPTION(int, SeasonCompCheck, 0)                                  \
    OPTION(int, ForecastCheck, 0)                                    \
    OPTION(int, SeasonPeriodCheck, 0)                                \
    OPTION(int, SaveFileCheck, 0)                                    \
    OPTION(int, TrendLinearRadio, 0)                                 \
    OPTION(int, SeasonaddRadio, 0)                                   \
    OPTION(int, NumberRadio, 0)                                      \
    OPTION(CString, SaveFileEdit)

// Exponential smoothing of series, with optional trend and seasonal components and forecasts.
class CExponentialData : public CRecordOptions<CExponentialData> {
public:
    // Radio groups and their buttons: trend kind, seasonal kind, forecast kind.
    static constexpr UINT kTrendRadioGroup = 1818;
    static constexpr UINT kTrendLinearItem = 1818;
    static constexpr UINT kTrendPercentItem = 1819;
    static constexpr UINT kSeasonRadioGroup = 1809;
    static constexpr UINT kSeasonAdditiveItem = 1809;
    static constexpr UINT kSeasonMultiplicativeItem = 1810;
    static constexpr UINT kForecastRadioGroup = 1798;
    static constexpr UINT kForecastNumberItem = 1798;
    static constexpr UINT kForecastRangeItem = 1793;

    TVK_OPTIONS(EXPONENTIAL_OPTIONS)

    // The season period can be range-checked only when the data allows a period of 2 or more
    // (int(#cases/3) >= 2); with fewer rows there is no valid period and the check is left out.
    static bool IsSeasonPeriodRangeChecked();

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
