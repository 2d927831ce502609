#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// Exponential smoothing of series, with optional trend and seasonal components and forecasts.
class CExponentialData : public CGUIBaseObj {
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

    CExponentialData();

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

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariable, CGUIData<double>& smooth,
               CGUIData<double>& trendLinear, CGUIData<double>& percent, CGUIData<double>& seasonAdd,
               CGUIData<double>& seasonMulti, CGUIData<int>& number, CGUIData<int>& forecastFrom,
               CGUIData<int>& forecastTo, CGUIData<int>& seasonPeriod, int& trendCheck, int& seasonCompCheck,
               int& forecastCheck, int& seasonPeriodCheck, int& saveFileCheck, int& trendLinearRadio,
               int& seasonaddRadio, int& numberRadio, CString& saveFileEdit) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariable,
               const CGUIData<double>& smooth, const CGUIData<double>& trendLinear,
               const CGUIData<double>& percent, const CGUIData<double>& seasonAdd,
               const CGUIData<double>& seasonMulti, const CGUIData<int>& number,
               const CGUIData<int>& forecastFrom, const CGUIData<int>& forecastTo,
               const CGUIData<int>& seasonPeriod, int trendCheck, int seasonCompCheck, int forecastCheck,
               int seasonPeriodCheck, int saveFileCheck, int trendLinearRadio, int seasonaddRadio,
               int numberRadio, const CString& saveFileEdit);

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<double> SmoothEdit;
    CGUIData<double> TrendLinearEdit;
    CGUIData<double> PercentEdit;
    CGUIData<double> SeasonAddEdit;
    CGUIData<double> SeasonMultiEdit;
    CGUIData<int> NumberEdit;
    CGUIData<int> ForecastFromEdit;
    CGUIData<int> ForecastToEdit;
    CGUIData<int> SeasonPeriodEdit;
    int TrendCheck;
    int SeasonCompCheck;
    int ForecastCheck;
    int SeasonPeriodCheck;
    int SaveFileCheck;
    int TrendLinearRadio;
    int SeasonaddRadio;
    int NumberRadio;
    CString SaveFileEdit;
};
