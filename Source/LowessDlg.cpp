#include "Private/LowessDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"

CLowessDlg::CLowessDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2115>(m_Data.SelectedVariableList).ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

void CLowessDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Range(pDX, IDC_TENSION_EDIT, m_Data.TensionEdit, CLowessData::kMinimumTension,
              CLowessData::kMaximumTension);
    CGUIBaseDlg::DoDataExchange(pDX);
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CLowessData, CLowessDlg>(1047));
