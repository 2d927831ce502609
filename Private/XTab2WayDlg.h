#pragma once

#include "Private/XTab2WayData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the two-way tables composite.
class CXTab2WayDlg : public CRecordDlg<CXTab2WayData> {
public:
    enum : UINT {
        IDD = 2271,
        IDC_SOURCE_LIST = 5504,
        IDC_ROW_LIST = 5509,
        IDC_COLUMN_LIST = 5497,
        IDC_ADD_ROW = 5495,
        IDC_REMOVE_ROW = 5507,
        IDC_ADD_COLUMN = 5494,
        IDC_REMOVE_COLUMN = 5506,
        IDC_FREQUENCIES_CHECK = 5501,
        IDC_TABLE_PERCENTS_CHECK = 5515,
        IDC_ROW_PERCENTS_CHECK = 5508,
        IDC_COLUMN_PERCENTS_CHECK = 5496,
        IDC_EXPECTED_CHECK = 5500,
        IDC_DEVIATES_CHECK = 5499,
        IDC_STANDARD_DEVIATES_CHECK = 5514,
        IDC_LIST_LAYOUT_CHECK = 5503,
        IDC_MISSING_CHECK = 5502,
        IDC_SAVE_CHECK = 5512,
        IDC_TCP_CHECK = 5549,
        IDC_SHADE_CHECK = 5517,
        IDC_THRESHOLD_EDIT = 1225,
        IDC_THRESHOLD_LABEL = 5518,
        IDC_SAVE_FILE = 5513,
        IDC_SAVE_TYPE_COMBO = CXTab2WayData::kSaveTypeCombo,
        IDC_LIST_MENU_LABEL = 5493,
        // The source list's second context command: the selection becomes column variables.
        kAddToColumnCommand = 33002,
    };

    explicit CXTab2WayDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
