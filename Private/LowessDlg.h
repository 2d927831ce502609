#pragma once

#include "Private/LowessData.h"
#include "Templates/2115_lowess.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of lowess smoothing.
class CLowessDlg : public CRecordDlg<CLowessData>, public Template2115 {
public:
    TVK_DIALOG(CLowessDlg, DoDataExchange);
};
