#pragma once

#include "Private/PermapData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The perceptual mapping dialog. The dimensions run up to the number of profile variables; iterations
// and convergence mean something to the nonmetric method only.
class CPermapDlg : public CRecordDlg<CPermapData> {
public:
    enum : UINT {
        IDD = 2401,
        IDC_SOURCE_LIST = 1001,
        IDC_SELECTED_LIST = 1002,
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_LIST_MENU_LABEL = 1005,
        IDC_METHOD_COMBO = CPermapData::kMethodCombo,
        IDC_STANDARDIZE_COMBO = CPermapData::kStandardizeCombo,
        IDC_DIMENSIONS_EDIT = 1008,
        IDC_ITERATIONS_EDIT = 1010,
        IDC_ITERATIONS_LABEL = 1011,
        IDC_CONVERGENCE_EDIT = 1012,
        IDC_CONVERGENCE_LABEL = 1013,
        IDC_SAVE_CHECK = 1014,
        IDC_SAVE_FILE = 1015,
    };

    explicit CPermapDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
};
