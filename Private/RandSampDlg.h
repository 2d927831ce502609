#pragma once

#include "Private/DistribPanel.h"
#include "Private/RandSampData.h"
#include "Templates/2460_randsamp.h"
#include "TvkBaseGui/CRecordDlg.h"

// Random samples (template 2460): the distribution manager's combo and parameters, the sample size,
// the number of samples, the seed (empty for none) and the save file.
class CRandSampDlg : public CRecordDlg<CRandSampData>, public Template2460 {
public:
    TVK_DIALOG(CRandSampDlg, OnInitDialog, DoDataExchange, AddToolTips, OnCtrlChanged);

    CDistribManager* GetDistribManager() const { return m_panel.GetManager(); }

protected:
    void KeepOnDefault(CRandSampData& fresh) override;

private:
    CDistribPanel m_panel;
};
