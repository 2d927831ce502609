#pragma once

#include "Private/CcfDlg.h"
#include "Private/FourierData.h"
#include "Templates/2045_fourier.h"

// The dialog of Fourier analysis.
class CFourierDlg : public CRecordDlg<CFourierData, CTwoSeriesDlg>,
                    public Template2045,
                    public CFourierDlgValues {
public:
    TVK_DIALOG(CFourierDlg, DoDataExchange);
};
