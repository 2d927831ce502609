#pragma once

#include "Private/AcfData.h"
#include "Templates/2001_acf.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the autocorrelation, partial autocorrelation and time series plot items.
class CAcfDlg : public CRecordDlg<CAcfData>, public Template2001 {
public:
    TVK_DIALOG(CAcfDlg, OnInitDialog, DoDataExchange);

protected:
    void KeepOnDefault(CAcfData& fresh) override;
};
