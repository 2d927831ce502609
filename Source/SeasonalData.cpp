#include "Private/SeasonalData.h"

#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

CSeasonalData::CSeasonalData()
    : SeasonEdit(GetDefaultSeasonEdit()),
      TermCheck(GetDefaultTermCheck()),
      SaveFileCheck(GetDefaultSaveFileCheck()),
      AdditiveRadio(GetDefaultAdditiveRadio()),
      SaveFileEdit(GetDefaultSaveFileEdit()) {}

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

int CSeasonalData::GetAll(CVariableList& listOfVariables, CVariableList& selectedVariable,
                          CGUIData<int>& season, int& termCheck, int& saveFileCheck, int& additiveRadio,
                          CString& saveFileEdit) const {
    listOfVariables = ListOfVariablesList;
    selectedVariable = SelectedVariableList;
    season = SeasonEdit;
    termCheck = TermCheck;
    saveFileCheck = SaveFileCheck;
    additiveRadio = AdditiveRadio;
    saveFileEdit = SaveFileEdit;
    return 1;
}

int CSeasonalData::SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariable,
                          const CGUIData<int>& season, int termCheck, int saveFileCheck, int additiveRadio,
                          const CString& saveFileEdit) {
    ListOfVariablesList = listOfVariables;
    SelectedVariableList = selectedVariable;
    SeasonEdit = season;
    TermCheck = termCheck;
    SaveFileCheck = saveFileCheck;
    AdditiveRadio = additiveRadio;
    SaveFileEdit = saveFileEdit;
    return 1;
}

void CSeasonalData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(TermCheck, SaveFileCheck, AdditiveRadio, SaveFileEdit, SeasonEdit, ListOfVariablesList,
          SelectedVariableList);
}

void CSeasonalData::ReassignDefaultValue() {
    SeasonEdit = GetReassignedDefaultSeasonEdit();
}

void CSeasonalData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CSeasonalData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTimeSeriesModule, lines);
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());

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
