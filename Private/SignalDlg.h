#pragma once

#include "Private/SignalData.h"
#include "Templates/2214_signal.h"
#include "TvkBaseGui/CRecordDlg.h"

// The signal detection dialog: responses and stimuli, the model and its options, saving.
class CSignalDlg : public CRecordDlg<CSignalData>, public Template2214 {
public:
    enum : UINT {
        kResponseMessage = 12881,
        kStimulusMessage = 12883,
    };

    TVK_DIALOG(CSignalDlg, DoDataExchange, AddToolTips, UpdateDependentWindows, OnCtrlChanged);

protected:
    // The dialog's defaults leave the constant's second mark at 0.
    void KeepOnDefault(CSignalData& fresh) override;
};
