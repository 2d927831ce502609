#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/TestAtClData.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of classical test item analysis. The group share follows the item statistics, alpha with
// items deleted the reliability, the key its check; a key holds one answer per item.
class CTestAtClDlg : public CRecordDlg<CTestAtClData> {
public:
    enum : UINT {
        IDD = 2405,
        IDC_SOURCE_LIST = 1001,
        IDC_ITEM_LIST = 1002,
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_LIST_MENU_LABEL = 1005,
        IDC_TOTAL_LIST = 1006,
        IDC_ADD_TOTAL = 1007,
        IDC_REMOVE_TOTAL = 1008,
        IDC_STATS_CHECK = 1009,
        IDC_GROUPS_EDIT = 1010,
        IDC_GROUPS_LABEL = 1011,
        IDC_RELIABILITY_CHECK = 1012,
        IDC_ALPHA_DELETED_CHECK = 1013,
        IDC_KEY_CHECK = 1014,
        IDC_KEY_EDIT = 1015,
    };
    static constexpr UINT kKeyMessage = 24505;

    explicit CTestAtClDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

class CTestAtClTabDlg final : public COpenTabDlg<CTestAtClTabData, CTestAtClDlg, CBootStrapDlg> {};
