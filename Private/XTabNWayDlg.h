#pragma once

#include "Private/XTabNWayData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the multiway tables composite.
class CXTabNWayDlg : public CRecordDlg<CXTabNWayData> {
public:
    enum : UINT {
        IDD = 2269,
        IDC_SOURCE_LIST = 5462,
        IDC_ROW_LIST = 5469,
        IDC_ADD_ROW = 5452,
        IDC_REMOVE_ROW = 5466,
        IDC_COLUMN_LIST = 5455,
        IDC_ADD_COLUMN = 5451,
        IDC_REMOVE_COLUMN = 5465,
        IDC_STRATA_LIST = 5475,
        IDC_ADD_STRATA = 5453,
        IDC_REMOVE_STRATA = 5467,
        IDC_LIST_LAYOUT_CHECK = 5461,
        IDC_MISSING_CHECK = 5460,
        IDC_SAVE_CHECK = 5471,
        IDC_FREQUENCIES_CHECK = 5459,
        IDC_TABLE_PERCENTS_CHECK = 5477,
        IDC_MANTEL_CHECK = 5463,
        IDC_ROW_PERCENTS_CHECK = 5468,
        IDC_COLUMN_PERCENTS_CHECK = 5454,
        IDC_TCP_CHECK = 5550,
        IDC_SEPARATE_RADIO = CXTabNWayData::kStrataRadioGroup,
        IDC_CROSSED_RADIO = 5474,
        IDC_SAVE_FILE = 5472,
        IDC_LIST_MENU_LABEL = 5470,
    };

    explicit CXTabNWayDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateDependentWindows() override;
};
