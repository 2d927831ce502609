#pragma once

#include "Private/XtabMultiwayStandData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the standardized multiway tables composite.
class CXtabMultiwayStandDlg : public CRecordDlg<CXtabMultiwayStandData> {
public:
    enum : UINT {
        IDD = 2273,
        IDC_SOURCE_LIST = 5535,
        IDC_ROW_LIST = 5539,
        IDC_ADD_ROW = 5530,
        IDC_REMOVE_ROW = 5537,
        IDC_COLUMN_LIST = 5532,
        IDC_ADD_COLUMN = 5529,
        IDC_REMOVE_COLUMN = 5536,
        IDC_STRATA_LIST = 5546,
        IDC_ADD_STRATA = 5531,
        IDC_REMOVE_STRATA = 5538,
        IDC_SAVE_CHECK = 5541,
        IDC_SAVE_TYPE_COMBO = CXtabMultiwayStandData::kSaveTypeCombo,
        IDC_SAVE_FILE = 5543,
        IDC_FREQUENCIES_CHECK = 5551,
        IDC_TABLE_PERCENTS_CHECK = 1226,
        IDC_ROW_PERCENTS_CHECK = 1228,
        IDC_COLUMN_PERCENTS_CHECK = 1229,
        IDC_EXPECTED_CHECK = 1231,
        IDC_DEVIATES_CHECK = 1232,
        IDC_STANDARD_DEVIATES_CHECK = 1233,
        IDC_TCP_CHECK = 1230,
        IDC_SHADE_CHECK = 1234,
        IDC_THRESHOLD_EDIT = 1236,
        IDC_THRESHOLD_LABEL = 1235,
        IDC_SEPARATE_RADIO = CXtabMultiwayStandData::kStrataRadioGroup,
        IDC_CROSSED_RADIO = CXtabMultiwayStandData::kCrossedStrataItem,
        IDC_LIST_MENU_LABEL = 5540,
    };

    explicit CXtabMultiwayStandDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
