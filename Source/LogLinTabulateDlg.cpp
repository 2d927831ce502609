#include "Private/LogLinTabulateDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TablesMsg.h"

CLogLinTabulateDlg::CLogLinTabulateDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_FACTORS_LIST, IDC_ADD_FACTOR, IDC_REMOVE_FACTOR, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.FactorsList)
        .AtLeast(1, kNoFactorMessage)
        .Menu(IDC_LIST_MENU_LABEL)
        .ResetToFirstSource();
    AddListPair({IDC_SOURCE_LIST, IDC_WEIGHT_LIST, IDC_ADD_WEIGHT, IDC_REMOVE_WEIGHT, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.WeightVariableList)
        .AtMost(1, kOneWeightMessage);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

void CLogLinTabulateDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_FACTORS_LIST, IDC_WEIGHT_LIST});
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);
    DDX_Check(pDX, IDC_LIST_LAYOUT_CHECK, m_Data.ListLayoutCheck);
}

REGISTER_MENU_ROWS(CTablesMsg, DialogRow<CLogLinTabulateData, CLogLinTabulateDlg>(1005));
