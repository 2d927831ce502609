#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/TestAtLogData.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of logistic test analysis: items, model, iteration settings, and the abilities to save with
// their estimation method (which follows the save check).
class CTestAtLogDlg : public CRecordDlg<CTestAtLogData> {
public:
    enum : UINT {
        IDD = 2406,
        IDC_SOURCE_LIST = 1001,
        IDC_ITEM_LIST = 1002,
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_LIST_MENU_LABEL = 1005,
        IDC_ONE_PARAMETER_RADIO = CTestAtLogData::kModelRadioGroup,
        IDC_TWO_PARAMETER_RADIO = 5632,
        IDC_THREE_PARAMETER_RADIO = 5633,
        IDC_ITERATIONS_EDIT = 1011,
        IDC_CONVERGENCE_EDIT = 1013,
        IDC_SAVE_CHECK = 1015,
        IDC_SAVE_FILE = 1016,
        IDC_SCORES_COMBO = CTestAtLogData::kScoresCombo,
        IDC_SCORES_LABEL = 1017,
    };

    explicit CTestAtLogDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

class CTestAtLogTabDlg final : public COpenTabDlg<CTestAtLogTabData, CTestAtLogDlg, CBootStrapDlg> {};
