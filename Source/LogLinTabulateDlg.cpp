#include "Private/LogLinTabulateDlg.h"

#include "Source/TablesDlgCommon.h"

CLogLinTabulateDlg::CLogLinTabulateDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_FACTORS_LIST, IDC_ADD_FACTOR, IDC_REMOVE_FACTOR, kVariableTypeAny});
    AddListPair({IDC_SOURCE_LIST, IDC_WEIGHT_LIST, IDC_ADD_WEIGHT, IDC_REMOVE_WEIGHT, kVariableTypeNumeric});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CLogLinTabulateDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CLogLinTabulateDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_FACTORS_LIST, m_Data.FactorsList, kNoFactorMessage, 1);
    DDX_AtMostOne(*this, pDX, IDC_WEIGHT_LIST, m_Data.WeightVariableList, kOneWeightMessage);
    DDV_DistinctVariables(pDX, {IDC_FACTORS_LIST, IDC_WEIGHT_LIST});
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);
    DDX_Check(pDX, IDC_LIST_LAYOUT_CHECK, m_Data.ListLayoutCheck);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveCheck);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

void CLogLinTabulateDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_SAVE_FILE, m_Data.SaveFileEdit, 0);
}

void CLogLinTabulateDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ResetListToFirstSource(IDC_FACTORS_LIST, m_Data.ListOfVariablesList);
}
