#include "Private/TimeDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"

CTimeDlg::CTimeDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    FillComboFromResource(IDC_DATE_FORMAT_COMBO, CTimeData::kDateFormatCombo);
}

UINT CTimeDlg::ValidatePeriod(int period) {
    return CTimeData::IsUsualPeriod(period) ? 0 : CTimeData::kUnusualPeriodMessage;
}

// A starting year never given shows as a blank edit, and clearing the edit takes the year back to
// "not given" (the record then writes no year).
void CTimeDlg::ExchangeOrigin(CDataExchange* pDX) {
    const bool notGiven = m_Data.OriginEdit.IsDefault() && m_Data.OriginEdit.GetSecond() == 1;
    CTKCtrl& edit = Ctrl(IDC_ORIGIN_EDIT);
    if (!pDX->m_bSaveAndValidate) {
        if (notGiven) {
            edit.m_strText = CString();
            return;
        }
    } else if (CString(edit.m_strText).Trim().IsEmpty()) {
        if (edit.m_bEnabled)
            m_Data.OriginEdit = CTimeData::GetDefaultOriginEdit();
        return;
    } else if (notGiven) {
        // The edit showed no year: what is typed now is the user's, even the text of the holder's value.
        pDX->Remember(m_Data.OriginEdit);
        m_Data.OriginEdit.SetDefault(0);
    }
    DDX_STText(pDX, IDC_ORIGIN_EDIT, m_Data.OriginEdit);
}

void CTimeDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    ExchangeOrigin(pDX);
    DDV_MinMaxInt(pDX, IDC_ORIGIN_EDIT, m_Data.OriginEdit, CTimeData::kMinimumYear, CTimeData::kMaximumYear);
    // Any period is taken; an unusual one is only warned about.
    DDX_STText(pDX, IDC_PERIOD_EDIT, m_Data.PeriodEdit);
    DDX_ControlWarn(pDX, IDC_PERIOD_EDIT, ValidatePeriod(m_Data.PeriodEdit.GetValue()));
    // A period of 0 leaves no position: the range [1, 0] is reported and refused.
    DDX_Range(pDX, IDC_FIRST_EDIT, m_Data.FirstEdit, 1, m_Data.PeriodEdit.GetValue());
    DDX_CBIndex(pDX, IDC_DATE_FORMAT_COMBO, m_Data.DateFormatCombo);
}

int CTimeDlg::GetAllDefault() {
    m_Data.Options() = CTimeData().Options();
    return 1;
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CTimeData, CTimeDlg>(1051));
