#pragma once

#include "Private/PermapData.h"
#include "Templates/2401_permap.h"
#include "TvkBaseGui/CRecordDlg.h"

// The perceptual mapping dialog. The dimensions run up to the number of profile variables; iterations
// and convergence mean something to the nonmetric method only.
class CPermapDlg : public CRecordDlg<CPermapData>, public Template2401 {
public:
    enum : UINT {
        IDC_METHOD_COMBO = CPermapData::kMethodCombo,
        IDC_STANDARDIZE_COMBO = CPermapData::kStandardizeCombo,
    };

    TVK_DIALOG(CPermapDlg, DoDataExchange, AddToolTips, UpdateDependentWindows, OnCtrlChanged);
};
