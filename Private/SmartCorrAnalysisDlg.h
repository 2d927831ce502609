#pragma once

#include "Private/SmartCorrAnalysisData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The correspondence analysis dialog.
class CSmartCorrAnalysisDlg : public CRecordDlg<CSmartCorrAnalysisData> {
public:
    enum : UINT {
        IDD = 2385,
        IDC_SOURCE_LIST = 5552,
        IDC_ROW_LIST = 5553,
        IDC_ADD_ROW = 5554,
        IDC_REMOVE_ROW = 5555,
        IDC_COLUMN_LIST = 5556,
        IDC_ADD_COLUMN = 5557,
        IDC_REMOVE_COLUMN = 5558,
        IDC_DIMENSIONS_EDIT = 5559,
        IDC_NORMALIZATION_COMBO = CSmartCorrAnalysisData::kNormalizationCombo,
        IDC_PROFILES_CHECK = 5562,
        IDC_INERTIA_CHECK = 5563,
        IDC_CONTRIBUTIONS_CHECK = 5564,
        IDC_PLOT_CHECK = 5565,
        IDC_MISSING_CHECK = 5566,
        IDC_SAVE_CHECK = 5567,
        IDC_SAVE_FILE = 5568,
        IDC_LIST_MENU_LABEL = 5569,
    };
    static constexpr UINT kNoRowMessage = 32118;
    static constexpr UINT kNoColumnMessage = 32119;

    explicit CSmartCorrAnalysisDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};
