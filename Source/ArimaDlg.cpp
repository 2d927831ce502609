#include "Private/ArimaDlg.h"

#include <limits>

namespace {

// Upper bound of a range open above (the check ignores it).
constexpr int kNoMaximum = std::numeric_limits<int>::max();

}  // namespace

CArimaDlg::CArimaDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetBaseRunFlag(1);
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CArimaDlg::OnInitDialog() {
    FillRadioFromResource(CArimaData::kForecastRadioGroup);
    CGUIBaseDlg::OnInitDialog();
    for (UINT edit : {IDC_AR_EDIT, IDC_SEASONAL_AR_EDIT, IDC_MA_EDIT, IDC_SEASONAL_MA_EDIT, IDC_SEASON_EDIT,
                      IDC_ITERATIONS_EDIT, IDC_TOLERANCE_EDIT, IDC_BACKCAST_EDIT, IDC_FORECAST_NUMBER_EDIT,
                      IDC_FORECAST_FROM_EDIT, IDC_FORECAST_TO_EDIT})
        Ctrl(edit).m_bNoMinus = true;
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CArimaDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const int rows = CGUIBaseObj::GetRowCount();
    const struct {
        UINT edit;
        CGUIData<int>& holder;
    } orders[] = {{IDC_AR_EDIT, m_ArParametersEdit},
                  {IDC_SEASONAL_AR_EDIT, m_SeasonalArEdit},
                  {IDC_MA_EDIT, m_MaEdit},
                  {IDC_SEASONAL_MA_EDIT, m_SeasonalMaEdit}};
    for (const auto& order : orders) {
        DDX_STText(pDX, order.edit, order.holder);
        DDV_MinMaxInt(pDX, order.edit, order.holder, 1, kNoMaximum, eInclusive, eNoValidation);
    }
    DDX_STText(pDX, IDC_SEASON_EDIT, m_SeasonalPerEdit);
    // The season length comes from the series module at every opening; only a length the command
    // would state is checked.
    CheckRange(pDX, IDC_SEASON_EDIT, m_SeasonalPerEdit.GetValue(), 1, rows, eInclusive, eInclusive,
               CGUIBaseObj::IsValueToWrite(m_SeasonalPerEdit) ? 0 : 1);
    DDX_STText(pDX, IDC_ITERATIONS_EDIT, m_IterationsEdit);
    DDV_MinMaxInt(pDX, IDC_ITERATIONS_EDIT, m_IterationsEdit, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_STText(pDX, IDC_TOLERANCE_EDIT, m_ToleranceEdit);
    DDV_MinMaxDouble(pDX, IDC_TOLERANCE_EDIT, m_ToleranceEdit, 0.0, 0.1, eExclusive, eInclusive);
    DDX_STText(pDX, IDC_BACKCAST_EDIT, m_BackCastEdit);
    DDV_MinMaxInt(pDX, IDC_BACKCAST_EDIT, m_BackCastEdit, 0, kNoMaximum, eInclusive, eNoValidation);
    DDX_STText(pDX, IDC_FORECAST_NUMBER_EDIT, m_ForeCastNoEdit);
    DDV_MinMaxInt(pDX, IDC_FORECAST_NUMBER_EDIT, m_ForeCastNoEdit, 1, rows);
    DDX_STText(pDX, IDC_FORECAST_FROM_EDIT, m_ForeCastFromEdit);
    DDV_MinMaxInt(pDX, IDC_FORECAST_FROM_EDIT, m_ForeCastFromEdit, 1, rows);
    // The end lies after the start, at most one data length beyond it (a start that is itself out of
    // range, kept by a closed edit, must not overflow the bound).
    const int from = m_ForeCastFromEdit.GetValue();
    const int last = from > kNoMaximum - rows ? kNoMaximum : from + rows;
    DDX_STText(pDX, IDC_FORECAST_TO_EDIT, m_ForeCastToEdit);
    DDV_MinMaxInt(pDX, IDC_FORECAST_TO_EDIT, m_ForeCastToEdit, from, last, eExclusive, eInclusive);
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_AR_CHECK, m_ArParametersCheck);
    DDX_Check(pDX, IDC_SEASONAL_AR_CHECK, m_SeasonalArCheck);
    DDX_Check(pDX, IDC_MA_CHECK, m_MaCheck);
    DDX_Check(pDX, IDC_SEASONAL_MA_CHECK, m_SeasonalMaCheck);
    DDX_Check(pDX, IDC_SEASON_CHECK, m_SeasonalPerCheck);
    DDX_Check(pDX, IDC_CONSTANT_CHECK, m_EstimateConstCheck);
    DDX_Check(pDX, IDC_FORECAST_CHECK, m_ForeCastCheck);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_SaveFileCheck);
    DDX_Radio(pDX, CArimaData::kForecastRadioGroup, m_ForeCastNoRadio);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariableList);
}

int CArimaDlg::GetAll() {
    return GetRecord()
               ? GetRecord()->GetAll(
                     m_ListOfVariablesList, m_SelectedVariableList, m_ArParametersEdit, m_SeasonalArEdit,
                     m_MaEdit, m_SeasonalMaEdit, m_SeasonalPerEdit, m_IterationsEdit, m_ToleranceEdit,
                     m_BackCastEdit, m_ForeCastNoEdit, m_ForeCastFromEdit, m_ForeCastToEdit, m_SaveFileEdit,
                     m_ArParametersCheck, m_SeasonalArCheck, m_MaCheck, m_SeasonalMaCheck, m_SeasonalPerCheck,
                     m_EstimateConstCheck, m_ForeCastCheck, m_SaveFileCheck, m_ForeCastNoRadio)
               : 0;
}

int CArimaDlg::SetAll() {
    return GetRecord()
               ? GetRecord()->SetAll(
                     m_ListOfVariablesList, m_SelectedVariableList, m_ArParametersEdit, m_SeasonalArEdit,
                     m_MaEdit, m_SeasonalMaEdit, m_SeasonalPerEdit, m_IterationsEdit, m_ToleranceEdit,
                     m_BackCastEdit, m_ForeCastNoEdit, m_ForeCastFromEdit, m_ForeCastToEdit, m_SaveFileEdit,
                     m_ArParametersCheck, m_SeasonalArCheck, m_MaCheck, m_SeasonalMaCheck, m_SeasonalPerCheck,
                     m_EstimateConstCheck, m_ForeCastCheck, m_SaveFileCheck, m_ForeCastNoRadio)
               : 0;
}

// The defaults as the record declares them: the season length is 1 here, the series module is asked
// only when the dialog is launched.
int CArimaDlg::GetAllDefault() {
    m_SelectedVariableList.RemoveAll();
    m_ArParametersEdit = CArimaData::GetDefaultArParametersEdit();
    m_SeasonalArEdit = CArimaData::GetDefaultSeasonalArEdit();
    m_MaEdit = CArimaData::GetDefaultMaEdit();
    m_SeasonalMaEdit = CArimaData::GetDefaultSeasonalMaEdit();
    m_SeasonalPerEdit = CArimaData::GetDefaultSeasonalPerEdit();
    m_IterationsEdit = CArimaData::GetDefaultIterationsEdit();
    m_ToleranceEdit = CArimaData::GetDefaultToleranceEdit();
    m_BackCastEdit = CArimaData::GetDefaultBackCastEdit();
    m_ForeCastNoEdit = CArimaData::GetDefaultForeCastNoEdit();
    m_ForeCastFromEdit = CArimaData::GetDefaultForeCastFromEdit();
    m_ForeCastToEdit = CArimaData::GetDefaultForeCastToEdit();
    m_SaveFileEdit = CArimaData::GetDefaultSaveFileEdit();
    m_ArParametersCheck = CArimaData::GetDefaultArParametersCheck();
    m_SeasonalArCheck = CArimaData::GetDefaultSeasonalArCheck();
    m_MaCheck = CArimaData::GetDefaultMaCheck();
    m_SeasonalMaCheck = CArimaData::GetDefaultSeasonalMaCheck();
    m_SeasonalPerCheck = CArimaData::GetDefaultSeasonalPerCheck();
    m_EstimateConstCheck = CArimaData::GetDefaultEstimateConstCheck();
    m_ForeCastCheck = CArimaData::GetDefaultForeCastCheck();
    m_SaveFileCheck = CArimaData::GetDefaultSaveFileCheck();
    m_ForeCastNoRadio = CArimaData::GetDefaultForeCastNoRadio();
    SetAll();
    GetAll();
    return 1;
}

void CArimaDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    for (UINT edit :
         {IDC_AR_EDIT, IDC_SEASONAL_AR_EDIT, IDC_MA_EDIT, IDC_SEASONAL_MA_EDIT, IDC_ITERATIONS_EDIT})
        AddToolTip(edit, L"[1, +inf)", 0);
    AddToolTip(IDC_SEASON_EDIT, L"[1, #cases]", 0);
    AddToolTip(IDC_TOLERANCE_EDIT, L"(0.0, 0.1]", 0);
    AddToolTip(IDC_BACKCAST_EDIT, L"[0, +inf)", 0);
    AddToolTip(IDC_FORECAST_NUMBER_EDIT, L"[1, #cases]", 0);
    AddToolTip(IDC_FORECAST_FROM_EDIT, L"[1, #cases]", 0);
    AddToolTip(IDC_FORECAST_TO_EDIT, L"[From, From + #cases]", 0);
}

void CArimaDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_AR_EDIT, IsCtrlChecked(IDC_AR_CHECK));
    EnableCtrl(IDC_SEASONAL_AR_EDIT, IsCtrlChecked(IDC_SEASONAL_AR_CHECK));
    EnableCtrl(IDC_MA_EDIT, IsCtrlChecked(IDC_MA_CHECK));
    EnableCtrl(IDC_SEASONAL_MA_EDIT, IsCtrlChecked(IDC_SEASONAL_MA_CHECK));
    const BOOL seasonal = IsCtrlChecked(IDC_SEASONAL_AR_CHECK) || IsCtrlChecked(IDC_SEASONAL_MA_CHECK);
    EnableCtrl(IDC_SEASON_EDIT, seasonal);
    EnableCtrl(IDC_SEASON_LABEL, seasonal);
    const BOOL forecast = IsCtrlChecked(IDC_FORECAST_CHECK);
    EnableCtrl(IDC_FORECAST_NUMBER_RADIO, forecast);
    EnableCtrl(IDC_FORECAST_RANGE_RADIO, forecast);
    EnableCtrl(IDC_FORECAST_NUMBER_EDIT, forecast && IsCtrlChecked(IDC_FORECAST_NUMBER_RADIO));
    const BOOL range = forecast && IsCtrlChecked(IDC_FORECAST_RANGE_RADIO);
    EnableCtrl(IDC_FORECAST_FROM_EDIT, range);
    EnableCtrl(IDC_FORECAST_TO_EDIT, range);
}

void CArimaDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    CGUIListCtrl& selected = ListCtrl(IDC_SELECTED_LIST);
    selected.ResetOptions();
    // With no source variable there is nothing to take: the list stays as the defaults left it (empty).
    if (!m_ListOfVariablesList.IsEmpty()) {
        selected.RemoveAllItems();
        selected.AddItem(m_ListOfVariablesList.GetAt(0));
    }
}
