#pragma once

#include "Private/MntestData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The multivariate normality dialog: the variables, and where the distances go.
class CMntestDlg : public CRecordDlg<CMntestData> {
public:
    enum : UINT {
        IDD = 2143,
        IDC_SOURCE_LIST = 3223,
        IDC_SELECTED_LIST = 3227,
        IDC_ADD = 3222,
        IDC_REMOVE = 3224,
        IDC_SAVE_CHECK = 3225,
        IDC_SAVE_FILE = 3226,
        IDC_LIST_MENU_LABEL = 3228,
        kTargetMessage = 13081,
    };

    explicit CMntestDlg(CGUIBaseDlg* parent = nullptr);
};
