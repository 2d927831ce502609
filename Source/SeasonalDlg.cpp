#include "Private/SeasonalDlg.h"

CSeasonalDlg::CSeasonalDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CSeasonalDlg::OnInitDialog() {
    FillRadioFromResource(CSeasonalData::kTermRadioGroup);
    CGUIBaseDlg::OnInitDialog();
    Ctrl(IDC_SEASON_EDIT).m_bNoMinus = true;
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CSeasonalDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_STText(pDX, IDC_SEASON_EDIT, m_Data.SeasonEdit);
    // Checked even when the data is too short for any season (fewer than 6 cases): then no length
    // passes, and the framework also reports the inverted range.
    if (GetRecord())
        DDV_MinMaxInt(pDX, IDC_SEASON_EDIT, m_Data.SeasonEdit, CSeasonalData::kMinimumSeasonLength,
                      CSeasonalData::GetMaximumSeasonLength());
    DDX_Check(pDX, IDC_TERM_CHECK, m_Data.TermCheck);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
    DDX_Radio(pDX, CSeasonalData::kTermRadioGroup, m_Data.AdditiveRadio);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList);
}

void CSeasonalDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_SEASON_EDIT, L" [2, int(#cases/3)]", 0);
}

void CSeasonalDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const BOOL term = IsCtrlChecked(IDC_TERM_CHECK);
    EnableCtrl(IDC_ADDITIVE_RADIO, term);
    EnableCtrl(IDC_MULTIPLICATIVE_RADIO, term);
}

void CSeasonalDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ResetListToFirstSource(IDC_SELECTED_LIST, m_Data.ListOfVariablesList);
}
