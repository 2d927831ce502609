#pragma once

#include "Private/TableCellsDlg.h"
#include "Private/XtabMultiwayStandData.h"
#include "Templates/2273_xtabmultiwaystand.h"

// The table page of the standardized multiway tables composite.
class CXtabMultiwayStandDlg : public CTableCellsDlg<CXtabMultiwayStandData, Template2273> {
public:
    enum : UINT {
        IDC_SAVE_TYPE_COMBO = CXtabMultiwayStandData::kSaveTypeCombo,
        IDC_SEPARATE_RADIO = CXtabMultiwayStandData::kStrataRadioGroup,
        IDC_CROSSED_RADIO = CXtabMultiwayStandData::kCrossedStrataItem,
    };

    TVK_DIALOG(CXtabMultiwayStandDlg, DoDataExchange);
};
