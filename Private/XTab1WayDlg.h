#pragma once

#include "Private/XTab1WayData.h"
#include "Templates/2270_xtab1way.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the one-way tables composite.
class CXTab1WayDlg : public CRecordDlg<CXTab1WayData>, public Template2270 {
public:
    TVK_DIALOG(CXTab1WayDlg, OnInitDialog, DoDataExchange, UpdateDependentWindows);
};
