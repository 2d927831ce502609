#include "Private/MntestDlg.h"

#include "Msg/Launcher.h"
#include "Msg/Stat1SingleMenuItemsMsg.h"

CMntestDlg::CMntestDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // A multivariate test needs two variables at least.
    AddSelectedPair<Template2143>(m_Data.SelectedVariablesList).AtLeast(2, kTargetMessage);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

REGISTER_MENU_ROWS(CStat1SingleMenuItemsMsg, DialogRow<CMntestData, CMntestDlg>(1086));
