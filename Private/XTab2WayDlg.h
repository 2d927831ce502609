#pragma once

#include "Private/TableCellsDlg.h"
#include "Private/XTab2WayData.h"
#include "Templates/2271_xtab2way.h"

// The table page of the two-way tables composite.
class CXTab2WayDlg : public CTableCellsDlg<CXTab2WayData, Template2271> {
public:
    enum : UINT {
        IDC_SAVE_TYPE_COMBO = CXTab2WayData::kSaveTypeCombo,
        // The source list's second context command: the selection becomes column variables.
        kAddToColumnCommand = 33002,
    };

    TVK_DIALOG(CXTab2WayDlg, DoDataExchange);
};
