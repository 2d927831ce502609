#pragma once

#include "Private/SmartCorrAnalysisData.h"
#include "Templates/2385_smartcorranalysis.h"
#include "TvkBaseGui/CRecordDlg.h"

// The correspondence analysis dialog.
class CSmartCorrAnalysisDlg : public CRecordDlg<CSmartCorrAnalysisData>,
                              public Template2385,
                              public CSmartCorrAnalysisDlgValues {
public:
    enum : UINT {
        IDC_NORMALIZATION_COMBO = CSmartCorrAnalysisData::kNormalizationCombo,
    };

    TVK_DIALOG(CSmartCorrAnalysisDlg, DoDataExchange);
};
