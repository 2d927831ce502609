#include "Private/SeasonalData.h"

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

int CSeasonalData::GetMaximumSeasonLength() {
    return GetRowCount() / 3;
}

CGUIData<int> CSeasonalData::GetReassignedDefaultSeasonEdit() {
    CGUIData<int> season(kDefaultSeasonLength);
    if (const auto length = GetSeriesSeasonLength()) {
        season.SetValue(*length);
        season.SetDefaultValue(*length);
    }
    if (season.GetValue() == 1) {
        season.SetValue(kDefaultSeasonLength);
        season.SetDefault(season.GetDefaultValue() == kDefaultSeasonLength ? 1 : 0);
    }
    const int cap = GetMaximumSeasonLength();
    if (cap < season.GetValue()) {
        season.SetValue(cap);
        season.SetDefault(cap == season.GetDefaultValue() ? 1 : 0);
    }
    return season;
}

void CSeasonalData::ReassignDefaultValue() {
    SeasonEdit = GetReassignedDefaultSeasonEdit();
}

void CSeasonalData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CSeasonalData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines);

    CString text = L"ADJSEASON ";
    AddVariables(text, SelectedVariableList, L" ");
    text += L" /";
    if (TermCheck) {
        const UINT item = CRadioUtil::GetRadioItem(kTermRadioGroup, AdditiveRadio);
        if (item == kAdditiveItem)
            text += L" ADDITIVE";
        else if (item == kMultiplicativeItem)
            text += L" MULTIPLICATIVE";
    }
    text += AddEditValueCmd(SeasonEdit, L" SEASON = ", 1);
    CStringUtil::RemoveTrailingChar(text, L'/');
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CSeasonalData);
