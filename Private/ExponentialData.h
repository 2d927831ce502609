#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

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

    static CGUIData<double> GetDefaultSmoothEdit() { return CGUIData<double>(0.1); }
    static CGUIData<double> GetDefaultTrendLinearEdit() { return SecondMarkedDefault(0.0); }
    static CGUIData<double> GetDefaultPercentEdit() { return SecondMarkedDefault(0.0); }
    static CGUIData<double> GetDefaultSeasonAddEdit() { return SecondMarkedDefault(0.0); }
    static CGUIData<double> GetDefaultSeasonMultiEdit() { return SecondMarkedDefault(0.0); }
    static CGUIData<int> GetDefaultNumberEdit() { return CGUIData<int>(1); }
    static CGUIData<int> GetDefaultForecastFromEdit() { return SecondMarkedDefault(1); }
    static CGUIData<int> GetDefaultForecastToEdit() { return SecondMarkedDefault(1); }
    static CGUIData<int> GetDefaultSeasonPeriodEdit() { return CGUIData<int>(12); }
    static int GetDefaultTrendCheck() { return 0; }
    static int GetDefaultSeasonCompCheck() { return 0; }
    static int GetDefaultForecastCheck() { return 0; }
    static int GetDefaultSeasonPeriodCheck() { return 0; }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultTrendLinearRadio() { return 0; }
    static int GetDefaultSeasonaddRadio() { return 0; }
    static int GetDefaultNumberRadio() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    // The season period can be range-checked only when the data allows a period of 2 or more
    // (int(#cases/3) >= 2); with fewer rows there is no valid period and the check is left out.
    static bool IsSeasonPeriodRangeChecked();

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, SmoothEdit, TrendLinearEdit, PercentEdit,
                        SeasonAddEdit, SeasonMultiEdit, NumberEdit, ForecastFromEdit, ForecastToEdit,
                        SeasonPeriodEdit, TrendCheck, SeasonCompCheck, ForecastCheck, SeasonPeriodCheck,
                        SaveFileCheck, TrendLinearRadio, SeasonaddRadio, NumberRadio, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<double> SmoothEdit = GetDefaultSmoothEdit();
    CGUIData<double> TrendLinearEdit = GetDefaultTrendLinearEdit();
    CGUIData<double> PercentEdit = GetDefaultPercentEdit();
    CGUIData<double> SeasonAddEdit = GetDefaultSeasonAddEdit();
    CGUIData<double> SeasonMultiEdit = GetDefaultSeasonMultiEdit();
    CGUIData<int> NumberEdit = GetDefaultNumberEdit();
    CGUIData<int> ForecastFromEdit = GetDefaultForecastFromEdit();
    CGUIData<int> ForecastToEdit = GetDefaultForecastToEdit();
    CGUIData<int> SeasonPeriodEdit = GetDefaultSeasonPeriodEdit();
    int TrendCheck = GetDefaultTrendCheck();
    int SeasonCompCheck = GetDefaultSeasonCompCheck();
    int ForecastCheck = GetDefaultForecastCheck();
    int SeasonPeriodCheck = GetDefaultSeasonPeriodCheck();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    int TrendLinearRadio = GetDefaultTrendLinearRadio();
    int SeasonaddRadio = GetDefaultSeasonaddRadio();
    int NumberRadio = GetDefaultNumberRadio();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
