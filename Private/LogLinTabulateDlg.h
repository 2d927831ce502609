#pragma once

#include "Private/LogLinTabulateData.h"
#include "Templates/2150_loglintabulate.h"
#include "TvkBaseGui/CRecordDlg.h"

// The loglinear tabulation dialog.
class CLogLinTabulateDlg : public CRecordDlg<CLogLinTabulateData>,
                           public Template2150,
                           public CLogLinTabulateDlgValues {
public:
    TVK_DIALOG(CLogLinTabulateDlg, DoDataExchange);
};
