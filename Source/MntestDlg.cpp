#include "Private/MntestDlg.h"

#include "Msg/Launcher.h"
#include "Msg/Stat1SingleMenuItemsMsg.h"

CMntestDlg::CMntestDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // A multivariate test needs two variables at least.
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SelectedVariablesList)
        .AtLeast(2, kTargetMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

REGISTER_MENU_ROWS(CStat1SingleMenuItemsMsg, DialogRow<CMntestData, CMntestDlg>(1086));
