#include "Private/FourierDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"

CFourierDlg::CFourierDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSeriesPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SelectedVariableList)
        .AtLeast(1, kSelectedListMessage)
        .Menu(IDC_LIST_MENU_LABEL)
        .ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

void CFourierDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Range(pDX, IDC_LAG_EDIT, m_Data.LagEdit, 1, CFourierData::GetUpperLimitLagEdit());
    CGUIBaseDlg::DoDataExchange(pDX);
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CFourierData, CFourierDlg>(1045));
