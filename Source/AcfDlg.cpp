#include "Private/AcfDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"

CAcfDlg::CAcfDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2001>(m_Data.SelectedVariablesList).ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

BOOL CAcfDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    // The dialog always starts from the data's maximum lag, whatever the record kept.
    m_Data.EditLagEdit = CGUIData<int>(CAcfData::GetMaximumLagValue());
    SetCtrlWindowText(IDC_LAG_EDIT, NumberText(m_Data.EditLagEdit.GetValue()));
    if (GetRecord() && GetRecord()->GetVariantID() == CAcfData::kVariantTplot) {
        EnableCtrl(IDC_LAG_LABEL, 0, 1);
        EnableCtrl(IDC_LAG_EDIT, 0, 1);
        ShowCtrlWindow(IDC_SAVE_CHECK, 0);
        ShowCtrlWindow(IDC_SAVE_FILE, 0);
    }
    return 1;
}

void CAcfDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Range(pDX, IDC_LAG_EDIT, m_Data.EditLagEdit, 1, CGUIBaseObj::GetRowCount() - 1);
}

// The lag's default is the data's maximum lag.
void CAcfDlg::KeepOnDefault(CAcfData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.EditLagEdit = CGUIData<int>(CAcfData::GetMaximumLagValue());
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CAcfData, CAcfDlg>(1039),
                   DialogRow<CAcfData, CAcfDlg>(1048, CAcfData::kVariantPacf),
                   DialogRow<CAcfData, CAcfDlg>(1052, CAcfData::kVariantTplot));
