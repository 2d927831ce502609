#include "Private/ExponentialData.h"

#include "Private/SeasonalData.h"
#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

CExponentialData::CExponentialData()
    : SmoothEdit(GetDefaultSmoothEdit()),
      TrendLinearEdit(GetDefaultTrendLinearEdit()),
      PercentEdit(GetDefaultPercentEdit()),
      SeasonAddEdit(GetDefaultSeasonAddEdit()),
      SeasonMultiEdit(GetDefaultSeasonMultiEdit()),
      NumberEdit(GetDefaultNumberEdit()),
      ForecastFromEdit(GetDefaultForecastFromEdit()),
      ForecastToEdit(GetDefaultForecastToEdit()),
      SeasonPeriodEdit(GetDefaultSeasonPeriodEdit()),
      TrendCheck(GetDefaultTrendCheck()),
      SeasonCompCheck(GetDefaultSeasonCompCheck()),
      ForecastCheck(GetDefaultForecastCheck()),
      SeasonPeriodCheck(GetDefaultSeasonPeriodCheck()),
      SaveFileCheck(GetDefaultSaveFileCheck()),
      TrendLinearRadio(GetDefaultTrendLinearRadio()),
      SeasonaddRadio(GetDefaultSeasonaddRadio()),
      NumberRadio(GetDefaultNumberRadio()),
      SaveFileEdit(GetDefaultSaveFileEdit()) {}

bool CExponentialData::IsSeasonPeriodRangeChecked() {
    return CSeasonalData::GetMaximumSeasonLength() >= CSeasonalData::kMinimumSeasonLength;
}

int CExponentialData::GetAll(CVariableList& listOfVariables, CVariableList& selectedVariable,
                             CGUIData<double>& smooth, CGUIData<double>& trendLinear,
                             CGUIData<double>& percent, CGUIData<double>& seasonAdd,
                             CGUIData<double>& seasonMulti, CGUIData<int>& number,
                             CGUIData<int>& forecastFrom, CGUIData<int>& forecastTo,
                             CGUIData<int>& seasonPeriod, int& trendCheck, int& seasonCompCheck,
                             int& forecastCheck, int& seasonPeriodCheck, int& saveFileCheck,
                             int& trendLinearRadio, int& seasonaddRadio, int& numberRadio,
                             CString& saveFileEdit) const {
    listOfVariables = ListOfVariablesList;
    selectedVariable = SelectedVariableList;
    smooth = SmoothEdit;
    trendLinear = TrendLinearEdit;
    percent = PercentEdit;
    seasonAdd = SeasonAddEdit;
    seasonMulti = SeasonMultiEdit;
    number = NumberEdit;
    forecastFrom = ForecastFromEdit;
    forecastTo = ForecastToEdit;
    seasonPeriod = SeasonPeriodEdit;
    trendCheck = TrendCheck;
    seasonCompCheck = SeasonCompCheck;
    forecastCheck = ForecastCheck;
    seasonPeriodCheck = SeasonPeriodCheck;
    saveFileCheck = SaveFileCheck;
    trendLinearRadio = TrendLinearRadio;
    seasonaddRadio = SeasonaddRadio;
    numberRadio = NumberRadio;
    saveFileEdit = SaveFileEdit;
    return 1;
}

int CExponentialData::SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariable,
                             const CGUIData<double>& smooth, const CGUIData<double>& trendLinear,
                             const CGUIData<double>& percent, const CGUIData<double>& seasonAdd,
                             const CGUIData<double>& seasonMulti, const CGUIData<int>& number,
                             const CGUIData<int>& forecastFrom, const CGUIData<int>& forecastTo,
                             const CGUIData<int>& seasonPeriod, int trendCheck, int seasonCompCheck,
                             int forecastCheck, int seasonPeriodCheck, int saveFileCheck,
                             int trendLinearRadio, int seasonaddRadio, int numberRadio,
                             const CString& saveFileEdit) {
    ListOfVariablesList = listOfVariables;
    SelectedVariableList = selectedVariable;
    SmoothEdit = smooth;
    TrendLinearEdit = trendLinear;
    PercentEdit = percent;
    SeasonAddEdit = seasonAdd;
    SeasonMultiEdit = seasonMulti;
    NumberEdit = number;
    ForecastFromEdit = forecastFrom;
    ForecastToEdit = forecastTo;
    SeasonPeriodEdit = seasonPeriod;
    TrendCheck = trendCheck;
    SeasonCompCheck = seasonCompCheck;
    ForecastCheck = forecastCheck;
    SeasonPeriodCheck = seasonPeriodCheck;
    SaveFileCheck = saveFileCheck;
    TrendLinearRadio = trendLinearRadio;
    SeasonaddRadio = seasonaddRadio;
    NumberRadio = numberRadio;
    SaveFileEdit = saveFileEdit;
    return 1;
}

// The lists come last in this record's archive.
void CExponentialData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(TrendCheck, SeasonCompCheck, ForecastCheck, SeasonPeriodCheck, SaveFileCheck, TrendLinearRadio,
          SeasonaddRadio, NumberRadio, SaveFileEdit, SmoothEdit, TrendLinearEdit, PercentEdit, SeasonAddEdit,
          SeasonMultiEdit, NumberEdit, ForecastFromEdit, ForecastToEdit, SeasonPeriodEdit,
          ListOfVariablesList, SelectedVariableList);
}

void CExponentialData::ReassignDefaultValue() {
    SeasonPeriodEdit = CSeasonalData::GetReassignedDefaultSeasonEdit();
}

void CExponentialData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CExponentialData::SetEditAttribute() {
    for (CGUIData<double>* weight : {&TrendLinearEdit, &PercentEdit, &SeasonAddEdit, &SeasonMultiEdit})
        weight->SetSecond(1);
    ForecastFromEdit.SetSecond(1);
    ForecastToEdit.SetSecond(1);
}

void CExponentialData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTimeSeriesModule, lines);
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());

    CString text = L"EXPONENTIAL ";
    AddVariables(text, SelectedVariableList, L" ");
    text += L" /";
    if (TrendCheck) {
        const UINT item = CRadioUtil::GetRadioItem(kTrendRadioGroup, TrendLinearRadio);
        if (item == kTrendLinearItem)
            text += AddEditValueCmd(TrendLinearEdit, L" LINEAR = ", 1);
        else if (item == kTrendPercentItem)
            text += AddEditValueCmd(PercentEdit, L" PERCENTAGE = ", 1);
    }
    if (SeasonCompCheck) {
        const UINT item = CRadioUtil::GetRadioItem(kSeasonRadioGroup, SeasonaddRadio);
        if (item == kSeasonAdditiveItem)
            text += AddEditValueCmd(SeasonAddEdit, L" ADDITIVE = ", 1);
        else if (item == kSeasonMultiplicativeItem)
            text += AddEditValueCmd(SeasonMultiEdit, L" MULTIPLICATIVE = ", 1);
    }
    if (ForecastCheck) {
        const UINT item = CRadioUtil::GetRadioItem(kForecastRadioGroup, NumberRadio);
        if (item == kForecastRangeItem) {
            text += AddEditValueCmd(ForecastFromEdit, L" FORECAST = ", 1);
            text += AddEditValueCmd(ForecastToEdit, L"..", 1);
        } else if (item == kForecastNumberItem) {
            text += AddEditValueCmd(NumberEdit, L" FORECAST=", 1);
        }
    }
    text += AddEditValueCmd(SeasonPeriodEdit, L" SEASON = ", SeasonPeriodCheck);
    // The smoothing weight is always stated, with no blank after the sign.
    text += L" SMOOTH =" + NumberText(SmoothEdit.GetValue());
    CStringUtil::RemoveTrailingChar(text, L'/');
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CExponentialData);
