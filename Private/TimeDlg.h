#pragma once

#include "Private/TimeData.h"
#include "Templates/2051_time.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of time labels.
class CTimeDlg : public CRecordDlg<CTimeData>, public Template2051 {
public:
    TVK_DIALOG(CTimeDlg, DoDataExchange);

    // The warning a period draws: 12849 for a period that is none of the usual ones, else 0.
    static UINT ValidatePeriod(int period);

    // Only the buffer takes the defaults: the record keeps what it had until OK.
    int GetAllDefault() override;

private:
    void ExchangeOrigin(CDataExchange* pDX);
};
