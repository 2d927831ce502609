#include "Private/SeriesSmoothDlg.h"

CSeriesSmoothDlg::CSeriesSmoothDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetBaseRunFlag(1);
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CSeriesSmoothDlg::OnInitDialog() {
    FillRadioFromResource(CSeriesSmoothData::kSmoothRadioGroup);
    CGUIBaseDlg::OnInitDialog();
    Ctrl(IDC_MEAN_EDIT).m_bNoMinus = true;
    Ctrl(IDC_MEDIAN_EDIT).m_bNoMinus = true;
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CSeriesSmoothDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const int rows = CGUIBaseObj::GetRowCount();
    DDX_Text(pDX, IDC_WEIGHT_EDIT, m_WeightEdit, kWeightMessage, 1, 1, 0);
    // A span of 1 would smooth nothing.
    DDX_STText(pDX, IDC_MEAN_EDIT, m_MeanValueEdit);
    DDV_MinMaxInt(pDX, IDC_MEAN_EDIT, m_MeanValueEdit, 1, rows, eExclusive, eInclusive);
    DDX_STText(pDX, IDC_MEDIAN_EDIT, m_MedianValueEdit);
    DDV_MinMaxInt(pDX, IDC_MEDIAN_EDIT, m_MedianValueEdit, 1, rows, eExclusive, eInclusive);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_SaveFileCheck);
    DDX_Radio(pDX, CSeriesSmoothData::kSmoothRadioGroup, m_MeanRadio);
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariableList);
}

int CSeriesSmoothDlg::GetAll() {
    return GetRecord() ? GetRecord()->GetAll(m_ListOfVariablesList, m_SelectedVariableList, m_WeightEdit,
                                             m_MeanValueEdit, m_MedianValueEdit, m_SaveFileCheck, m_MeanRadio,
                                             m_SaveFileEdit)
                       : 0;
}

int CSeriesSmoothDlg::SetAll() {
    return GetRecord() ? GetRecord()->SetAll(m_ListOfVariablesList, m_SelectedVariableList, m_WeightEdit,
                                             m_MeanValueEdit, m_MedianValueEdit, m_SaveFileCheck, m_MeanRadio,
                                             m_SaveFileEdit)
                       : 0;
}

int CSeriesSmoothDlg::GetAllDefault() {
    m_SelectedVariableList.RemoveAll();
    m_WeightEdit = CSeriesSmoothData::GetDefaultWeightEdit();
    m_MeanValueEdit = CSeriesSmoothData::GetDefaultMeanValueEdit();
    m_MedianValueEdit = CSeriesSmoothData::GetDefaultMedianValueEdit();
    m_SaveFileCheck = CSeriesSmoothData::GetDefaultSaveFileCheck();
    m_MeanRadio = CSeriesSmoothData::GetDefaultMeanRadio();
    m_SaveFileEdit = CSeriesSmoothData::GetDefaultSaveFileEdit();
    SetAll();
    GetAll();
    return 1;
}

void CSeriesSmoothDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_WEIGHT_EDIT, L"", 0);
    AddToolTip(IDC_MEAN_EDIT, L"(1, #cases]", 0);
    AddToolTip(IDC_MEDIAN_EDIT, L"(1, #cases]", 0);
}

void CSeriesSmoothDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_MEAN_EDIT, IsCtrlChecked(IDC_MEAN_RADIO));
    EnableCtrl(IDC_MEDIAN_EDIT, IsCtrlChecked(IDC_MEDIAN_RADIO));
    EnableCtrl(IDC_WEIGHT_EDIT, IsCtrlChecked(IDC_WEIGHT_RADIO));
}

void CSeriesSmoothDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    CGUIListCtrl& selected = ListCtrl(IDC_SELECTED_LIST);
    selected.ResetOptions();
    // With no source variable there is nothing to take: the list stays as the defaults left it (empty).
    if (!m_ListOfVariablesList.IsEmpty()) {
        selected.RemoveAllItems();
        selected.AddItem(m_ListOfVariablesList.GetAt(0));
    }
}
