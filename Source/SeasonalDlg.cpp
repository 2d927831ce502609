#include "Private/SeasonalDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"

CSeasonalDlg::CSeasonalDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2049>(m_Data.SelectedVariableList).ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CSeasonalData::kTermRadioGroup);
}

void CSeasonalDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_STText(pDX, IDC_SEASON_EDIT, m_Data.SeasonEdit);
    // Checked even when the data is too short for any season (fewer than 6 cases): then no length
    // passes, and the framework also reports the inverted range.
    if (GetRecord())
        DDV_MinMaxInt(pDX, IDC_SEASON_EDIT, m_Data.SeasonEdit, CSeasonalData::kMinimumSeasonLength,
                      CSeasonalData::GetMaximumSeasonLength());
    DDX_Check(pDX, IDC_TERM_CHECK, m_Data.TermCheck);
    DDX_Radio(pDX, CSeasonalData::kTermRadioGroup, m_Data.AdditiveRadio);
    CGUIBaseDlg::DoDataExchange(pDX);
}

void CSeasonalDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const BOOL term = IsCtrlChecked(IDC_TERM_CHECK);
    EnableCtrl(IDC_ADDITIVE_RADIO, term);
    EnableCtrl(IDC_MULTIPLICATIVE_RADIO, term);
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CSeasonalData, CSeasonalDlg>(1049));
