#pragma once

#include "Private/PowerDlgBase.h"
#include "Private/PowerGenericData.h"
#include "Templates/2248_powergeneric.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the generic power model (noncentral F); launched without a caption identifier, it
// keeps its template's caption.
class CPowerGenericDlg : public CRecordDlg<CPowerGenericData, CPowerDlgBase>, public Template2248 {
public:
    TVK_DIALOG(CPowerGenericDlg, DoDataExchange, AddToolTips);
};
