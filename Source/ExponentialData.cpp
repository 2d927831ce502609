#include "Private/ExponentialData.h"

#include "Private/SeasonalData.h"
#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

bool CExponentialData::IsSeasonPeriodRangeChecked() {
    return CSeasonalData::GetMaximumSeasonLength() >= CSeasonalData::kMinimumSeasonLength;
}

// The lists come last in this record's archive.
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
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);

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
