#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// ARIMA model of one series, with optional forecasts.
class CArimaData : public CRecordOptions<CArimaData> {
public:
    // Radio group of the forecast kind and its two buttons.
    static constexpr UINT kForecastRadioGroup = 1124;
    static constexpr UINT kForecastNumberItem = 1124;
    static constexpr UINT kForecastRangeItem = 1122;

    static CGUIData<int> GetDefaultArParametersEdit() { return CGUIData<int>(1); }
    static CGUIData<int> GetDefaultSeasonalArEdit() { return SecondMarkedDefault(0); }
    static CGUIData<int> GetDefaultMaEdit() { return SecondMarkedDefault(0); }
    static CGUIData<int> GetDefaultSeasonalMaEdit() { return SecondMarkedDefault(0); }
    static CGUIData<int> GetDefaultSeasonalPerEdit() { return CGUIData<int>(1); }
    static CGUIData<int> GetDefaultIterationsEdit() { return CGUIData<int>(20); }
    static CGUIData<double> GetDefaultToleranceEdit() { return CGUIData<double>(0.01); }
    static CGUIData<int> GetDefaultBackCastEdit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultForeCastNoEdit() { return SecondMarkedDefault(0); }
    static CGUIData<int> GetDefaultForeCastFromEdit() { return SecondMarkedDefault(0); }
    static CGUIData<int> GetDefaultForeCastToEdit() { return SecondMarkedDefault(0); }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultArParametersCheck() { return 1; }
    static int GetDefaultSeasonalArCheck() { return 0; }
    static int GetDefaultMaCheck() { return 0; }
    static int GetDefaultSeasonalMaCheck() { return 0; }
    static int GetDefaultSeasonalPerCheck() { return 0; }
    static int GetDefaultEstimateConstCheck() { return 0; }
    static int GetDefaultForeCastCheck() { return 0; }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultForeCastNoRadio() { return 0; }

    // The season length before each opening: the series module's, or 1 without one.
    static CGUIData<int> GetReassignedDefaultSeasonPerEdit();

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, ArParametersEdit, SeasonalArEdit, MaEdit,
                        SeasonalMaEdit, SeasonalPerEdit, IterationsEdit, ToleranceEdit, BackCastEdit,
                        ForeCastNoEdit, ForeCastFromEdit, ForeCastToEdit, SaveFileEdit, ArParametersCheck,
                        SeasonalArCheck, MaCheck, SeasonalMaCheck, SeasonalPerCheck, EstimateConstCheck,
                        ForeCastCheck, SaveFileCheck, ForeCastNoRadio);
    }

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> ArParametersEdit = GetDefaultArParametersEdit();
    CGUIData<int> SeasonalArEdit = GetDefaultSeasonalArEdit();
    CGUIData<int> MaEdit = GetDefaultMaEdit();
    CGUIData<int> SeasonalMaEdit = GetDefaultSeasonalMaEdit();
    CGUIData<int> SeasonalPerEdit = GetDefaultSeasonalPerEdit();
    CGUIData<int> IterationsEdit = GetDefaultIterationsEdit();
    CGUIData<double> ToleranceEdit = GetDefaultToleranceEdit();
    CGUIData<int> BackCastEdit = GetDefaultBackCastEdit();
    CGUIData<int> ForeCastNoEdit = GetDefaultForeCastNoEdit();
    CGUIData<int> ForeCastFromEdit = GetDefaultForeCastFromEdit();
    CGUIData<int> ForeCastToEdit = GetDefaultForeCastToEdit();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int ArParametersCheck = GetDefaultArParametersCheck();
    int SeasonalArCheck = GetDefaultSeasonalArCheck();
    int MaCheck = GetDefaultMaCheck();
    int SeasonalMaCheck = GetDefaultSeasonalMaCheck();
    int SeasonalPerCheck = GetDefaultSeasonalPerCheck();
    int EstimateConstCheck = GetDefaultEstimateConstCheck();
    int ForeCastCheck = GetDefaultForeCastCheck();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    int ForeCastNoRadio = GetDefaultForeCastNoRadio();
};
