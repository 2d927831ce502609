#pragma once

#include "Private/XtabCellStatisticsData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The cell statistics page of the table composites: a check and a variable combo per statistic.
class CXtabCellStatisticsDlg : public CRecordDlg<CXtabCellStatisticsData> {
public:
    enum : UINT {
        IDD = 2272,
        IDC_MINIMUM_CHECK = 5521,
        IDC_MINIMUM_COMBO = 5522,
        IDC_MAXIMUM_CHECK = 5517,
        IDC_MAXIMUM_COMBO = 5518,
        IDC_MEAN_CHECK = 5519,
        IDC_MEAN_COMBO = 5520,
        IDC_SD_CHECK = 5525,
        IDC_SD_COMBO = 5526,
        IDC_RANGE_CHECK = 5523,
        IDC_RANGE_COMBO = 5524,
        IDC_VARIANCE_CHECK = 5527,
        IDC_VARIANCE_COMBO = 5528,
        IDC_SUM_CHECK = 5529,
        IDC_SUM_COMBO = 5530,
    };

    explicit CXtabCellStatisticsDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateDependentWindows() override;
};
