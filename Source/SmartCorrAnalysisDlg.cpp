#include "Private/SmartCorrAnalysisDlg.h"

#include <limits>
#include "Msg/Launcher.h"
#include "Msg/TablesMsg.h"

CSmartCorrAnalysisDlg::CSmartCorrAnalysisDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.RowVariableList)
        .AtLeast(1, kNoRowMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.ColumnVariableList)
        .AtLeast(1, kNoColumnMessage);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillComboFromResource(IDC_NORMALIZATION_COMBO, CSmartCorrAnalysisData::kNormalizationCombo);
}

void CSmartCorrAnalysisDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST});
    DDX_Range(pDX, IDC_DIMENSIONS_EDIT, m_Data.DimensionsEdit, 1, std::numeric_limits<int>::max(), eInclusive,
              eNoValidation);
    DDX_CBIndex(pDX, IDC_NORMALIZATION_COMBO, m_Data.NormalizationCombo);
    DDX_Check(pDX, IDC_PROFILES_CHECK, m_Data.ProfilesCheck);
    DDX_Check(pDX, IDC_INERTIA_CHECK, m_Data.InertiaCheck);
    DDX_Check(pDX, IDC_CONTRIBUTIONS_CHECK, m_Data.ContributionsCheck);
    DDX_Check(pDX, IDC_PLOT_CHECK, m_Data.PlotCheck);
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);
}

REGISTER_MENU_ROWS(CTablesMsg, DialogRow<CSmartCorrAnalysisData, CSmartCorrAnalysisDlg>(1091));
