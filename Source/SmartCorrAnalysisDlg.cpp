#include "Private/SmartCorrAnalysisDlg.h"

#include <limits>

CSmartCorrAnalysisDlg::CSmartCorrAnalysisDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny});
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CSmartCorrAnalysisDlg::OnInitDialog() {
    FillComboFromResource(IDC_NORMALIZATION_COMBO, CSmartCorrAnalysisData::kNormalizationCombo);
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    Ctrl(IDC_DIMENSIONS_EDIT).m_bNoMinus = true;
    return 1;
}

void CSmartCorrAnalysisDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_ROW_LIST, m_Data.RowVariableList, kNoRowMessage, 1);
    DDX_ListCtrlArray(pDX, IDC_COLUMN_LIST, m_Data.ColumnVariableList, kNoColumnMessage, 1);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST});
    DDX_Range(pDX, IDC_DIMENSIONS_EDIT, m_Data.DimensionsEdit, 1, std::numeric_limits<int>::max(), eInclusive,
              eNoValidation);
    DDX_CBIndex(pDX, IDC_NORMALIZATION_COMBO, m_Data.NormalizationCombo);
    DDX_Check(pDX, IDC_PROFILES_CHECK, m_Data.ProfilesCheck);
    DDX_Check(pDX, IDC_INERTIA_CHECK, m_Data.InertiaCheck);
    DDX_Check(pDX, IDC_CONTRIBUTIONS_CHECK, m_Data.ContributionsCheck);
    DDX_Check(pDX, IDC_PLOT_CHECK, m_Data.PlotCheck);
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveCheck);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

void CSmartCorrAnalysisDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_DIMENSIONS_EDIT, L"[1, +inf)", 0);
}
