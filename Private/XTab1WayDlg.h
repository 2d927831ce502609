#pragma once

#include "Private/XTab1WayData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the one-way tables composite.
class CXTab1WayDlg : public CRecordDlg<CXTab1WayData> {
public:
    enum : UINT {
        IDD = 2270,
        IDC_SOURCE_LIST = 5484,
        IDC_SELECTED_LIST = 5491,
        IDC_ADD = 5478,
        IDC_REMOVE = 5488,
        IDC_FREQUENCIES_CHECK = 5481,
        IDC_PERCENTAGES_CHECK = 5487,
        IDC_CONFIDENCE_CHECK = 5479,
        IDC_CONFIDENCE_LABEL = 5494,
        IDC_CHISQ_CHECK = 5486,
        IDC_MISSING_CHECK = 5482,
        IDC_LIST_LAYOUT_CHECK = 5483,
        IDC_SAVE_CHECK = 5489,
        IDC_TCP_CHECK = 5548,
        IDC_CONFIDENCE_COMBO = 5480,
        IDC_SAVE_FILE = 5490,
        IDC_LIST_MENU_LABEL = 5492,
    };

    explicit CXTab1WayDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
