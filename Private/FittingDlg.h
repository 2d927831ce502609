#pragma once

#include "Private/DistribPanel.h"
#include "Private/FittingData.h"
#include "Private/TestingCommon.h"
#include "Templates/2461_fitting.h"
#include "TvkBaseGui/CRecordDlg.h"

// Distribution fitting (template 2461): variables and distributions moved into their selected lists;
// the distribution selected there (or the first one) shows its parameters. The discrete dialog takes
// one distribution only (see CFittingData).
class CFittingDlg : public CRecordDlg<CFittingData, CAddRuledDlg>,
                    public Template2461,
                    public CFittingDlgValues {
public:
    TVK_DIALOG(CFittingDlg, OnInitDialog, DoDataExchange, UpdateDependentWindows);

    void OnReset() override;
    CDistribManager* GetDistribManager() const { return m_panel.GetManager(); }

protected:
    void KeepOnDefault(CFittingData& fresh) override;

private:
    // The manager shows the distribution selected in the selected-distributions list (or its first);
    // no parameters while none is chosen.
    void OnSelchangeDistributionListHelper();

    CDistribPanel m_panel;
    // The type whose parameters are shown; -1 for none.
    int m_nShownType = -1;
};
