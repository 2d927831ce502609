#include "Private/XTab2WayDlg.h"

#include <limits>

#include "Source/TablesDlgCommon.h"

CXTab2WayDlg::CXTab2WayDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // A double click on a source variable makes it a row.
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.RowVariableList)
        .AtLeast(1, kNoRowVariableMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.ColumnVariableList)
        .AtLeast(1, kNoColumnVariableMessage);
    AddListMenuItem(IDC_SOURCE_LIST, kAddToColumnCommand, IDC_COLUMN_LIST);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveDataFileCheck, IDC_SAVE_FILE, m_Data.SaveDataFileEdit);
    FillComboFromResource(IDC_SAVE_TYPE_COMBO, CXTab2WayData::kSaveTypeCombo);
}

void CXTab2WayDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST});
    DDX_Range(pDX, IDC_THRESHOLD_EDIT, m_Data.ThresholdEdit, 0.0, std::numeric_limits<double>::max(),
              eExclusive, eInclusive);
    DDX_Check(pDX, IDC_FREQUENCIES_CHECK, m_Data.FrequenciesCheck);
    DDX_Check(pDX, IDC_TABLE_PERCENTS_CHECK, m_Data.TablePercentsCheck);
    DDX_Check(pDX, IDC_ROW_PERCENTS_CHECK, m_Data.RowPercentsCheck);
    DDX_Check(pDX, IDC_COLUMN_PERCENTS_CHECK, m_Data.ColumnPercentsCheck);
    DDX_Check(pDX, IDC_EXPECTED_CHECK, m_Data.ExpectedCheck);
    DDX_Check(pDX, IDC_DEVIATES_CHECK, m_Data.DeviatesCheck);
    DDX_Check(pDX, IDC_STANDARD_DEVIATES_CHECK, m_Data.StandardDeviatesCheck);
    DDX_Check(pDX, IDC_LIST_LAYOUT_CHECK, m_Data.ListLayoutCheck);
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);

    DDX_Check(pDX, IDC_TCP_CHECK, m_Data.TCPCheck);
    DDX_Check(pDX, IDC_SHADE_CHECK, m_Data.ShadeCheck);

    DDX_CBIndex(pDX, IDC_SAVE_TYPE_COMBO, m_Data.SaveCombo);
}

void CXTab2WayDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_THRESHOLD_EDIT, L"(0.0, +inf)", 0);
}

void CXTab2WayDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_SAVE_TYPE_COMBO, IsCtrlChecked(IDC_SAVE_CHECK));
    const BOOL shade = IsCtrlChecked(IDC_SHADE_CHECK);
    EnableCtrl(IDC_THRESHOLD_EDIT, shade);
    EnableCtrl(IDC_THRESHOLD_LABEL, shade);
}
