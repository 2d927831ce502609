#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// ARIMA model of one series, with optional forecasts.
class CArimaData : public CGUIBaseObj {
public:
    // Radio group of the forecast kind and its two buttons.
    static constexpr UINT kForecastRadioGroup = 1124;
    static constexpr UINT kForecastNumberItem = 1124;
    static constexpr UINT kForecastRangeItem = 1122;

    CArimaData();

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

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariable, CGUIData<int>& arParameters,
               CGUIData<int>& seasonalAr, CGUIData<int>& ma, CGUIData<int>& seasonalMa,
               CGUIData<int>& seasonalPer, CGUIData<int>& iterations, CGUIData<double>& tolerance,
               CGUIData<int>& backCast, CGUIData<int>& foreCastNo, CGUIData<int>& foreCastFrom,
               CGUIData<int>& foreCastTo, CString& saveFileEdit, int& arParametersCheck, int& seasonalArCheck,
               int& maCheck, int& seasonalMaCheck, int& seasonalPerCheck, int& estimateConstCheck,
               int& foreCastCheck, int& saveFileCheck, int& foreCastNoRadio) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariable,
               const CGUIData<int>& arParameters, const CGUIData<int>& seasonalAr, const CGUIData<int>& ma,
               const CGUIData<int>& seasonalMa, const CGUIData<int>& seasonalPer,
               const CGUIData<int>& iterations, const CGUIData<double>& tolerance,
               const CGUIData<int>& backCast, const CGUIData<int>& foreCastNo,
               const CGUIData<int>& foreCastFrom, const CGUIData<int>& foreCastTo,
               const CString& saveFileEdit, int arParametersCheck, int seasonalArCheck, int maCheck,
               int seasonalMaCheck, int seasonalPerCheck, int estimateConstCheck, int foreCastCheck,
               int saveFileCheck, int foreCastNoRadio);

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> ArParametersEdit;
    CGUIData<int> SeasonalArEdit;
    CGUIData<int> MaEdit;
    CGUIData<int> SeasonalMaEdit;
    CGUIData<int> SeasonalPerEdit;
    CGUIData<int> IterationsEdit;
    CGUIData<double> ToleranceEdit;
    CGUIData<int> BackCastEdit;
    CGUIData<int> ForeCastNoEdit;
    CGUIData<int> ForeCastFromEdit;
    CGUIData<int> ForeCastToEdit;
    CString SaveFileEdit;
    int ArParametersCheck;
    int SeasonalArCheck;
    int MaCheck;
    int SeasonalMaCheck;
    int SeasonalPerCheck;
    int EstimateConstCheck;
    int ForeCastCheck;
    int SaveFileCheck;
    int ForeCastNoRadio;
};
