#pragma once

#include "Private/ArimaData.h"
#include "Templates/2040_arima.h"
#include "TvkBaseGui/CRecordDlg.h"

// The ARIMA dialog: model orders, season length, estimation settings and forecasts of one series.
class CArimaDlg : public CRecordDlg<CArimaData>, public Template2040 {
public:
    TVK_DIALOG(CArimaDlg, DoDataExchange, UpdateDependentWindows);
};
