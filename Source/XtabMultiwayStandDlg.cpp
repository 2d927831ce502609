#include "Private/XtabMultiwayStandDlg.h"

#include <limits>

CXtabMultiwayStandDlg::CXtabMultiwayStandDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.RowVariableList)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.ColumnVariableList);
    AddListPair({IDC_SOURCE_LIST, IDC_STRATA_LIST, IDC_ADD_STRATA, IDC_REMOVE_STRATA, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.StrataVariableList);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveCheck, IDC_SAVE_FILE, m_Data.SaveEdit);
    FillRadioFromResource(CXtabMultiwayStandData::kStrataRadioGroup);
    FillComboFromResource(IDC_SAVE_TYPE_COMBO, CXtabMultiwayStandData::kSaveTypeCombo);
}

void CXtabMultiwayStandDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST, IDC_STRATA_LIST});
    DDX_Range(pDX, IDC_THRESHOLD_EDIT, m_Data.ThresholdEdit, 0.0, std::numeric_limits<double>::max(),
              eExclusive, eInclusive);

    DDX_Check(pDX, IDC_FREQUENCIES_CHECK, m_Data.FrequenciesCheck);
    DDX_Check(pDX, IDC_TABLE_PERCENTS_CHECK, m_Data.TablePercentsCheck);
    DDX_Check(pDX, IDC_ROW_PERCENTS_CHECK, m_Data.RowPercentsCheck);
    DDX_Check(pDX, IDC_COLUMN_PERCENTS_CHECK, m_Data.ColumnPercentsCheck);
    DDX_Check(pDX, IDC_EXPECTED_CHECK, m_Data.ExpectedCheck);
    DDX_Check(pDX, IDC_DEVIATES_CHECK, m_Data.DeviatesCheck);
    DDX_Check(pDX, IDC_STANDARD_DEVIATES_CHECK, m_Data.StandardDeviatesCheck);
    DDX_Check(pDX, IDC_TCP_CHECK, m_Data.TCPCheck);
    DDX_Check(pDX, IDC_SHADE_CHECK, m_Data.ShadeCheck);
    DDX_Radio(pDX, CXtabMultiwayStandData::kStrataRadioGroup, m_Data.SeparateStrataRadio);
    DDX_CBIndex(pDX, IDC_SAVE_TYPE_COMBO, m_Data.SaveCombo);
}

void CXtabMultiwayStandDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_THRESHOLD_EDIT, L"(0.0, +inf)", 0);
}

void CXtabMultiwayStandDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_SAVE_TYPE_COMBO, IsCtrlChecked(IDC_SAVE_CHECK));
    const BOOL shade = IsCtrlChecked(IDC_SHADE_CHECK);
    EnableCtrl(IDC_THRESHOLD_EDIT, shade);
    EnableCtrl(IDC_THRESHOLD_LABEL, shade);
}
