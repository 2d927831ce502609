#pragma once

#include "Private/SmartCorrAnalysisData.h"
#include "Templates/2385_smartcorranalysis.h"
#include "TvkBaseGui/CRecordDlg.h"

// The correspondence analysis dialog.
class CSmartCorrAnalysisDlg : public CRecordDlg<CSmartCorrAnalysisData>, public Template2385 {
public:
    enum : UINT {
        IDC_NORMALIZATION_COMBO = CSmartCorrAnalysisData::kNormalizationCombo,
    };
    static constexpr UINT kNoRowMessage = 32118;
    static constexpr UINT kNoColumnMessage = 32119;

    explicit CSmartCorrAnalysisDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
};
