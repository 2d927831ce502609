#include "Private/XTabNWayDlg.h"

#include "Source/TablesDlgCommon.h"

CXTabNWayDlg::CXTabNWayDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny});
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny});
    AddListPair({IDC_SOURCE_LIST, IDC_STRATA_LIST, IDC_ADD_STRATA, IDC_REMOVE_STRATA, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CXTabNWayDlg::OnInitDialog() {
    FillRadioFromResource(CXTabNWayData::kStrataRadioGroup);
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CXTabNWayDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_STRATA_LIST, m_Data.StrataVariableList);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_ROW_LIST, m_Data.RowVariableList);
    // The column variables are optional: without them the rows are the table's last dimension.
    DDX_ListCtrlArray(pDX, IDC_COLUMN_LIST, m_Data.ColumnVariableList);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST, IDC_STRATA_LIST});
    DDX_Check(pDX, IDC_LIST_LAYOUT_CHECK, m_Data.ListLayoutCheck);
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveDataFileCheck);
    DDX_Check(pDX, IDC_FREQUENCIES_CHECK, m_Data.FrequenciesCheck);
    DDX_Check(pDX, IDC_TABLE_PERCENTS_CHECK, m_Data.TablepercentsCheck);
    DDX_Check(pDX, IDC_MANTEL_CHECK, m_Data.MantelHaenszel2By2Check);
    DDX_Check(pDX, IDC_ROW_PERCENTS_CHECK, m_Data.RowPercentsCheck);
    DDX_Check(pDX, IDC_COLUMN_PERCENTS_CHECK, m_Data.ColumnPercentsCheck);
    DDX_Check(pDX, IDC_TCP_CHECK, m_Data.TCPCheck);
    DDX_Radio(pDX, CXTabNWayData::kStrataRadioGroup, m_Data.SeparateStrataRadio);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveDataFileEdit);
}

void CXTabNWayDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
}

void CXTabNWayDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    // One variable in all leaves nothing to stratify by, and no choice of how.
    const auto* source = dynamic_cast<const CGUIListCtrl*>(FindCtrl(IDC_SOURCE_LIST));
    const BOOL strataChoice = !source || source->GetItemCount() != 1;
    EnableCtrl(IDC_SEPARATE_RADIO, strataChoice);
    EnableCtrl(IDC_CROSSED_RADIO, strataChoice);
    EnableCtrl(IDC_MANTEL_CHECK, !(strataChoice && IsCtrlChecked(IDC_CROSSED_RADIO)));
}

void CXTabNWayDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    for (UINT list : {IDC_STRATA_LIST, IDC_ROW_LIST, IDC_COLUMN_LIST})
        ListCtrl(list).ResetOptions();
}
