#include "Private/ArimaData.h"

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

CGUIData<int> CArimaData::GetReassignedDefaultSeasonPerEdit() {
    return CGUIData<int>(GetSeriesSeasonLength().value_or(1));
}

// Every opening starts from the series module's period: a season length typed last time is dropped.
void CArimaData::ReassignDefaultValue() {
    SeasonalPerEdit = GetReassignedDefaultSeasonPerEdit();
}

void CArimaData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CArimaData::SetEditAttribute() {
    for (CGUIData<int>* holder :
         {&SeasonalArEdit, &MaEdit, &SeasonalMaEdit, &ForeCastNoEdit, &ForeCastFromEdit, &ForeCastToEdit})
        holder->SetSecond(1);
}

void CArimaData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);

    // Orders and forecast bounds of 0 mean "not given" and are never written.
    const CGUIData<int> zero(0);
    CString text = L"ARIMA ";
    AddVariables(text, SelectedVariableList, L" ");
    text += L" /";
    text += AddOnConditionCmd(L" P=", ArParametersCheck);
    text += AddOnConditionCmd(ArParametersEdit, ArParametersCheck);
    text += AddEditValueCmd(SeasonalArEdit, zero, 0, L" PS=", SeasonalArCheck);
    text += AddEditValueCmd(MaEdit, zero, 0, L" Q=", MaCheck);
    text += AddEditValueCmd(SeasonalMaEdit, zero, 0, L" QS=", SeasonalMaCheck);
    // The period means something only to a seasonal order; SeasonalPerCheck has no say.
    if (SeasonalPerEdit.GetLast() == 0 && (SeasonalArCheck || SeasonalMaCheck))
        AppendEditValueCmd(text, SeasonalPerEdit, L" SEASON=");
    // Iterations, tolerance and backcast follow the value rule alone (their reference values are their
    // own defaults), so the all-values switch writes them too.
    text += AddEditValueCmd(IterationsEdit, L" ITER=", 1);
    text += AddEditValueCmd(ToleranceEdit, L" CONV=", 1);
    text += AddEditValueCmd(BackCastEdit, L" BACKCAST=", 1);
    if (ForeCastCheck) {
        const UINT item = CRadioUtil::GetRadioItem(kForecastRadioGroup, ForeCastNoRadio);
        if (item == kForecastNumberItem) {
            text += AddEditValueCmd(ForeCastNoEdit, zero, 0, L" FORECAST=", 1);
        } else if (item == kForecastRangeItem) {
            text += AddEditValueCmd(ForeCastFromEdit, zero, 0, L" FORECAST=", 1);
            text += AddEditValueCmd(ForeCastToEdit, zero, 0, L"..", 1);
        }
    }
    text += AddOnConditionCmd(L" CONSTANT", EstimateConstCheck);
    CStringUtil::RemoveTrailingChar(text, L'/');
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CArimaData);
