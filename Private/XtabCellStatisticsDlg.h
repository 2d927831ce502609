#pragma once

#include "Private/XtabCellStatisticsData.h"
#include "Templates/2272_xtabcellstatistics.h"
#include "TvkBaseGui/CRecordDlg.h"

// The cell statistics page of the table composites: a check and a variable combo per statistic.
class CXtabCellStatisticsDlg : public CRecordDlg<CXtabCellStatisticsData>, public Template2272 {
public:
    TVK_DIALOG(CXtabCellStatisticsDlg, OnInitDialog, DoDataExchange, UpdateDependentWindows);
};
