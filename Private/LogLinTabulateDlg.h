#pragma once

#include "Private/LogLinTabulateData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The loglinear tabulation dialog.
class CLogLinTabulateDlg : public CRecordDlg<CLogLinTabulateData> {
public:
    enum : UINT {
        IDD = 2150,
        IDC_SOURCE_LIST = 1310,
        IDC_FACTORS_LIST = 1311,
        IDC_ADD_FACTOR = 1312,
        IDC_REMOVE_FACTOR = 1313,
        IDC_WEIGHT_LIST = 1314,
        IDC_ADD_WEIGHT = 1315,
        IDC_REMOVE_WEIGHT = 1316,
        IDC_MISSING_CHECK = 1317,
        IDC_LIST_LAYOUT_CHECK = 1318,
        IDC_SAVE_CHECK = 1319,
        IDC_SAVE_FILE = 1320,
        IDC_LIST_MENU_LABEL = 1321,
    };
    static constexpr UINT kNoFactorMessage = 32117;
    static constexpr UINT kOneWeightMessage = 32116;

    explicit CLogLinTabulateDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
};
