#pragma once

#include "Private/DistribPanel.h"
#include "Private/FittingData.h"
#include "Private/TestingCommon.h"
#include "TvkBaseGui/CRecordDlg.h"

// Distribution fitting (template 2461): variables and distributions moved into their selected lists;
// the distribution selected there (or the first one) shows its parameters. The discrete dialog takes
// one distribution only (see CFittingData).
class CFittingDlg : public CRecordDlg<CFittingData, CAddRuledDlg> {
public:
    enum : UINT {
        IDD = 2461,
        IDC_SOURCE_LIST = 4201,
        IDC_SELECTED_LIST = 4202,
        IDC_ADD = 4203,
        IDC_REMOVE = 4204,
        IDC_DISTRIBUTION_LIST = 4205,
        IDC_SELECTED_DISTRIBUTION_LIST = 4206,
        IDC_ADD_DISTRIBUTION = 4207,
        IDC_REMOVE_DISTRIBUTION = 4208,
        IDC_LIST_MENU_LABEL = 4209,
        IDC_SAVE_CHECK = 4210,
        IDC_SAVE_FILE = 4211,
        IDC_PLACEHOLDER = 1573,
    };
    // Shown when the discrete dialog would be accepted with several distributions.
    static constexpr UINT kOneDiscrete = 13967;

    explicit CFittingDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateDependentWindows() override;
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
