#pragma once

#include "Private/SeasonalData.h"
#include "Templates/2049_seasonal.h"
#include "TvkBaseGui/CRecordDlg.h"

// The seasonal adjustment dialog: season length and kind of seasonal term.
class CSeasonalDlg : public CRecordDlg<CSeasonalData>, public Template2049 {
public:
    TVK_DIALOG(CSeasonalDlg, DoDataExchange, UpdateDependentWindows);
};
