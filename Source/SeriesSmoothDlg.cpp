#include "Private/SeriesSmoothDlg.h"

CSeriesSmoothDlg::CSeriesSmoothDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
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
    DDX_Text(pDX, IDC_WEIGHT_EDIT, m_Data.WeightEdit, kWeightMessage, 1, 1, 0);
    // A span of 1 would smooth nothing.
    DDX_Range(pDX, IDC_MEAN_EDIT, m_Data.MeanValueEdit, 1, rows, eExclusive, eInclusive);
    DDX_Range(pDX, IDC_MEDIAN_EDIT, m_Data.MedianValueEdit, 1, rows, eExclusive, eInclusive);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
    DDX_Radio(pDX, CSeriesSmoothData::kSmoothRadioGroup, m_Data.MeanRadio);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList);
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
    ResetListToFirstSource(IDC_SELECTED_LIST, m_Data.ListOfVariablesList);
}
