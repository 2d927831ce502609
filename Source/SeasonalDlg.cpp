#include "Private/SeasonalDlg.h"

CSeasonalDlg::CSeasonalDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetBaseRunFlag(1);
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
    DDX_STText(pDX, IDC_SEASON_EDIT, m_SeasonEdit);
    // Checked even when the data is too short for any season (fewer than 6 cases): then no length
    // passes, and the framework also reports the inverted range.
    if (GetRecord())
        DDV_MinMaxInt(pDX, IDC_SEASON_EDIT, m_SeasonEdit, CSeasonalData::kMinimumSeasonLength,
                      CSeasonalData::GetMaximumSeasonLength());
    DDX_Check(pDX, IDC_TERM_CHECK, m_TermCheck);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_SaveFileCheck);
    DDX_Radio(pDX, CSeasonalData::kTermRadioGroup, m_AdditiveRadio);
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariableList);
}

int CSeasonalDlg::GetAll() {
    return GetRecord() ? GetRecord()->GetAll(m_ListOfVariablesList, m_SelectedVariableList, m_SeasonEdit,
                                             m_TermCheck, m_SaveFileCheck, m_AdditiveRadio, m_SaveFileEdit)
                       : 0;
}

int CSeasonalDlg::SetAll() {
    return GetRecord() ? GetRecord()->SetAll(m_ListOfVariablesList, m_SelectedVariableList, m_SeasonEdit,
                                             m_TermCheck, m_SaveFileCheck, m_AdditiveRadio, m_SaveFileEdit)
                       : 0;
}

// The plain defaults: the season length is 12 here whatever the data and the series module say; the
// launcher recomputes it only before an opening.
int CSeasonalDlg::GetAllDefault() {
    m_SelectedVariableList.RemoveAll();
    m_SeasonEdit = CSeasonalData::GetDefaultSeasonEdit();
    m_TermCheck = CSeasonalData::GetDefaultTermCheck();
    m_SaveFileCheck = CSeasonalData::GetDefaultSaveFileCheck();
    m_AdditiveRadio = CSeasonalData::GetDefaultAdditiveRadio();
    m_SaveFileEdit = CSeasonalData::GetDefaultSaveFileEdit();
    SetAll();
    if (GetRecord())
        GetRecord()->SetEditAttribute();
    GetAll();
    return 1;
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
    CGUIListCtrl& selected = ListCtrl(IDC_SELECTED_LIST);
    selected.ResetOptions();
    // With no source variable there is nothing to take: the list stays as the defaults left it (empty).
    if (!m_ListOfVariablesList.IsEmpty()) {
        selected.RemoveAllItems();
        selected.AddItem(m_ListOfVariablesList.GetAt(0));
    }
}
