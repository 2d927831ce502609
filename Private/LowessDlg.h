#pragma once

#include "Private/LowessData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of lowess smoothing.
class CLowessDlg : public CRecordDlg<CLowessData> {
public:
    enum : UINT {
        IDD = 2115,
        IDC_SOURCE_LIST = 2736,
        IDC_SELECTED_LIST = 2740,
        IDC_ADD = 2735,
        IDC_REMOVE = 2737,
        IDC_TENSION_EDIT = 2742,
        IDC_TENSION_LABEL = 2743,
        IDC_SAVE_CHECK = 2738,
        IDC_SAVE_FILE = 2739,
        IDC_LIST_MENU_LABEL = 2744,
    };

    explicit CLowessDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};
