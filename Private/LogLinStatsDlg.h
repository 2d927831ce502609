#pragma once

#include "Private/LogLinStatsData.h"
#include "Templates/2149_loglinstats.h"
#include "TvkBaseGui/CRecordDlg.h"

// The statistics page of the loglinear composite.
class CLogLinStatsDlg : public CRecordDlg<CLogLinStatsData>, public Template2149 {
public:
    TVK_DIALOG(CLogLinStatsDlg, DoDataExchange, UpdateDependentWindows);
};
