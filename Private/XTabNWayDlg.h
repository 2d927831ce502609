#pragma once

#include "Private/XTabNWayData.h"
#include "Templates/2269_xtabnway.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the multiway tables composite.
class CXTabNWayDlg : public CRecordDlg<CXTabNWayData>, public Template2269 {
public:
    enum : UINT {
        IDC_SEPARATE_RADIO = CXTabNWayData::kStrataRadioGroup,
    };

    TVK_DIALOG(CXTabNWayDlg, DoDataExchange, UpdateDependentWindows);
};
