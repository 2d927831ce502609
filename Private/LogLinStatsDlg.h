#pragma once

#include "Private/LogLinStatsData.h"
#include "Templates/2149_loglinstats.h"
#include "TvkBaseGui/CRecordDlg.h"

// The statistics page of the loglinear composite.
class CLogLinStatsDlg : public CRecordDlg<CLogLinStatsData>, public Template2149 {
public:
    explicit CLogLinStatsDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateDependentWindows() override;
};
