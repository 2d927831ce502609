#pragma once

#include "Private/ExponentialData.h"
#include "Templates/2044_exponential.h"
#include "TvkBaseGui/CRecordDlg.h"

// The exponential smoothing dialog: weights of the level, the trend and the seasonal component, the
// season period and forecasts.
class CExponentialDlg : public CRecordDlg<CExponentialData>, public Template2044 {
public:
    TVK_DIALOG(CExponentialDlg, DoDataExchange, UpdateDependentWindows);

protected:
    void KeepOnDefault(CExponentialData& fresh) override;
};
