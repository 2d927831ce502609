#pragma once

#include "Private/AcfData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the autocorrelation, partial autocorrelation and time series plot items.
class CAcfDlg : public CRecordDlg<CAcfData> {
public:
    enum : UINT {
        IDD = 2001,
        IDC_SOURCE_LIST = 1004,
        IDC_SELECTED_LIST = 1008,
        IDC_ADD = 1001,
        IDC_REMOVE = 1005,
        IDC_LAG_EDIT = 1002,
        IDC_LAG_LABEL = 1003,
        IDC_SAVE_CHECK = 1006,
        IDC_SAVE_FILE = 1007,
        IDC_LIST_MENU_LABEL = 1009,
    };

    explicit CAcfDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void OnReset() override;

protected:
    void KeepOnDefault(CAcfData& fresh) override;
};
