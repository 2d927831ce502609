#include "Private/XTabNWayDlg.h"

CXTabNWayDlg::CXTabNWayDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ROW_LIST, IDC_ADD_ROW, IDC_REMOVE_ROW, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.RowVariableList)
        .Menu(IDC_LIST_MENU_LABEL)
        .ResetToEmpty();
    // The column variables are optional: without them the rows are the table's last dimension.
    AddListPair({IDC_SOURCE_LIST, IDC_COLUMN_LIST, IDC_ADD_COLUMN, IDC_REMOVE_COLUMN, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.ColumnVariableList)
        .ResetToEmpty();
    AddListPair({IDC_SOURCE_LIST, IDC_STRATA_LIST, IDC_ADD_STRATA, IDC_REMOVE_STRATA, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.StrataVariableList)
        .ResetToEmpty()
        .ExchangedFirst();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveDataFileCheck, IDC_SAVE_FILE, m_Data.SaveDataFileEdit);
    FillRadioFromResource(CXTabNWayData::kStrataRadioGroup);
}

void CXTabNWayDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_ROW_LIST, IDC_COLUMN_LIST, IDC_STRATA_LIST});
    DDX_Check(pDX, IDC_LIST_LAYOUT_CHECK, m_Data.ListLayoutCheck);
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);

    DDX_Check(pDX, IDC_FREQUENCIES_CHECK, m_Data.FrequenciesCheck);
    DDX_Check(pDX, IDC_TABLE_PERCENTS_CHECK, m_Data.TablepercentsCheck);
    DDX_Check(pDX, IDC_MANTEL_CHECK, m_Data.MantelHaenszel2By2Check);
    DDX_Check(pDX, IDC_ROW_PERCENTS_CHECK, m_Data.RowPercentsCheck);
    DDX_Check(pDX, IDC_COLUMN_PERCENTS_CHECK, m_Data.ColumnPercentsCheck);
    DDX_Check(pDX, IDC_TCP_CHECK, m_Data.TCPCheck);
    DDX_Radio(pDX, CXTabNWayData::kStrataRadioGroup, m_Data.SeparateStrataRadio);
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
