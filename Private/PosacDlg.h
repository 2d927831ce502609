#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/PosacData.h"
#include "Templates/2403_posac.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of partial order scalogram analysis: profile variables, one frequency variable, the number
// of categories (while recoding) and the iteration settings.
class CPosacDlg : public CRecordDlg<CPosacData>, public Template2403 {
public:
    TVK_DIALOG(CPosacDlg, DoDataExchange, AddToolTips);
};

class CPosacTabDlg final : public COpenTabDlg<CPosacTabData, CPosacDlg, CBootStrapDlg> {};
