#include "Private/TrendAnalysisDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"
#include "TvkUseRes/ResourceTables.h"

CTrendAnalysisDlg::CTrendAnalysisDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // The series pair first: double click and the list menu add to the series.
    AddListPair({IDC_SOURCE_LIST, IDC_SERIES_LIST, IDC_ADD_SERIES, IDC_REMOVE_SERIES, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SeriesVariableList)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_TIME_LIST, IDC_ADD_TIME, IDC_REMOVE_TIME, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.TimeVariableList);
    AddListPair({IDC_SOURCE_LIST, IDC_SEASON_LIST, IDC_ADD_SEASON, IDC_REMOVE_SEASON, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SeasonVariableList);
    FillRadioFromResource(CTrendAnalysisData::kTestRadioGroup);
    FillComboFromResource(IDC_ALTERNATIVE_COMBO, CTrendAnalysisData::kAlternativeCombo);
}

void CTrendAnalysisDlg::FillComboAlternativeCombo() {
    CTKCtrl& combo = Ctrl(IDC_ALTERNATIVE_COMBO);
    combo.m_comboItems.clear();
    for (int i = 0; i < CTrendAnalysisData::kAlternativeCount; ++i)
        combo.m_comboItems.push_back(GetString(CTrendAnalysisData::GetAlternativeComboIDS(i)));
}

void CTrendAnalysisDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_STText(pDX, IDC_CONFI_EDIT, m_Data.ConfiEdit);
    // Checked whatever the holder's marks: a confidence level lies strictly between 0 and 1.
    CheckRange(pDX, IDC_CONFI_EDIT, m_Data.ConfiEdit.GetValue(), 0.0, 1.0, eExclusive, eExclusive, 0);
    DDX_Check(pDX, IDC_TESTS_SK_CHECK, m_Data.TestsSkCheck);
    DDX_Check(pDX, IDC_TESTS_MK_CHECK, m_Data.TestsMkCheck);
    DDX_Check(pDX, IDC_TESTS_HOMOGENEITY_CHECK, m_Data.TestsHomogeneityCheck);
    DDX_Check(pDX, IDC_SLOPE_CHECK, m_Data.SlopeCheck);
    DDX_Radio(pDX, CTrendAnalysisData::kTestRadioGroup, m_Data.TestsMkRadio);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_SERIES_LIST, IDC_TIME_LIST, IDC_SEASON_LIST});
}

void CTrendAnalysisDlg::UpdateDependentWindows() {
    // The season list goes first: the list buttons of the base follow the lists' own states.
    const BOOL seasonal = IsCtrlChecked(IDC_SEASONAL_RADIO);
    for (UINT id : {IDC_TESTS_SK_CHECK, IDC_TESTS_MK_CHECK, IDC_TESTS_HOMOGENEITY_CHECK, IDC_SEASON_LIST})
        EnableCtrl(id, seasonal);
    CGUIBaseDlg::UpdateDependentWindows();
    if (!seasonal) {
        EnableCtrl(IDC_ADD_SEASON, 0);
        EnableCtrl(IDC_REMOVE_SEASON, 0);
    }
    // A series or a time variable is numeric: a selection holding a string variable goes nowhere but
    // the season list.
    if (IsStringVariablePresent(IDC_SOURCE_LIST)) {
        EnableCtrl(IDC_ADD_SERIES, 0);
        EnableCtrl(IDC_ADD_TIME, 0);
    }
    const BOOL slope = IsCtrlChecked(IDC_SLOPE_CHECK);
    EnableCtrl(IDC_CONFI_EDIT, slope);
    EnableCtrl(IDC_CONFI_LABEL, slope);
}

bool CTrendAnalysisDlg::IsAddPossible(UINT target) const {
    if (target != IDC_SERIES_LIST && target != IDC_TIME_LIST && target != IDC_SEASON_LIST)
        return false;
    CGUIListCtrl& source = ListCtrl(IDC_SOURCE_LIST);
    const int state = source.GetState();
    source.SetState(0);
    bool possible = EnableSourceToTarget(IDC_SOURCE_LIST, target, -1);
    source.SetState(state);
    if (target != IDC_SEASON_LIST && IsStringVariablePresent(IDC_SOURCE_LIST))
        possible = false;
    return possible;
}

BOOL CTrendAnalysisDlg::OnUpdateAddTarget(UINT list) {
    // The list menu adds to the series.
    return CGUIBaseDlg::OnUpdateAddTarget(list) && list == IDC_SOURCE_LIST && IsAddPossible(IDC_SERIES_LIST)
               ? 1
               : 0;
}

bool CTrendAnalysisDlg::MouseMoveListCtrlHelper(UINT from, UINT over) {
    // The source list feeds three lists: a drop adds to the one it lands on.
    if (from == IDC_SOURCE_LIST)
        return IsAddPossible(over);
    return CGUIBaseDlg::MouseMoveListCtrlHelper(from, over);
}

void CTrendAnalysisDlg::LButtonUpListCtrlHelper(UINT from, UINT over) {
    if (from != IDC_SOURCE_LIST) {
        CGUIBaseDlg::LButtonUpListCtrlHelper(from, over);
        return;
    }
    const bool possible = IsAddPossible(over);
    ListCtrl(from).SetState(0);
    if (!possible)
        return;
    MoveSourceToTarget(IDC_SOURCE_LIST, over, 0, 1, 0, kVariableTypeAny);
    UpdateDependentWindows();
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CTrendAnalysisData, CTrendAnalysisDlg>(1085));
