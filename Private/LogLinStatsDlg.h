#pragma once

#include "Private/LogLinStatsData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The statistics page of the loglinear composite.
class CLogLinStatsDlg : public CRecordDlg<CLogLinStatsData> {
public:
    enum : UINT {
        IDD = 2149,
        IDC_FITTED_CHECK = 1290,
        IDC_RESIDUALS_CHECK = 1291,
        IDC_STD_RESIDUALS_CHECK = 1292,
        IDC_ADJ_RESIDUALS_CHECK = 1293,
        IDC_GOODNESS_CHECK = 1294,
        IDC_AIC_CHECK = 1295,
        IDC_PARTIAL_CHECK = 1296,
        IDC_PARAMETERS_CHECK = 1297,
        IDC_CORRELATION_CHECK = 1298,
        IDC_CONFIDENCE_EDIT = 1299,
        IDC_CONFIDENCE_LABEL = 1300,
    };

    explicit CLogLinStatsDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
