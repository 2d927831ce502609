#pragma once

#include "Private/DistribPanel.h"
#include "Private/OneSampleKSData.h"
#include "Private/TestTabDlg.h"
#include "Templates/2462_onesampleks.h"
#include "TvkBaseGui/CRecordDlg.h"

// The page of the one-sample Kolmogorov-Smirnov (2162) and Anderson-Darling (2154) tests (template
// 2462): variables, the save file and the distribution manager's combo and parameters.
class COneSampleKSDlg : public CRecordDlg<COneSampleKSData>, public Template2462 {
public:
    TVK_DIALOG(COneSampleKSDlg, OnInitDialog, DoDataExchange, OnCtrlChanged);

    // Stores the page and, on success, marks the record's window state: the page was shown and taken.
    BOOL OKLike() override;
    CDistribManager* GetDistribManager() const { return m_panel.GetManager(); }

protected:
    void KeepOnDefault(COneSampleKSData& fresh) override;

private:
    CDistribPanel m_panel;
};

class COneSampleKSTabDlg final : public CTestTabDlg<COneSampleKSTabData, COneSampleKSDlg> {};
class CADTestTabDlg final : public CTestTabDlg<CADTestTabData, COneSampleKSDlg> {};
