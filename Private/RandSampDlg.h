#pragma once

#include "Private/DistribPanel.h"
#include "Private/RandSampData.h"
#include "TvkBaseGui/CRecordDlg.h"

// Random samples (template 2460): the distribution manager's combo and parameters, the sample size,
// the number of samples, the seed (empty for none) and the save file.
class CRandSampDlg : public CRecordDlg<CRandSampData> {
public:
    enum : UINT {
        IDD = 2460,
        IDC_PLACEHOLDER = 1573,
        IDC_SIZE_EDIT = 4102,
        IDC_NSAMP_EDIT = 4104,
        IDC_SEED_EDIT = 4106,
        IDC_SAVE_CHECK = 4107,
        IDC_SAVE_FILE = 4108,
    };

    explicit CRandSampDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void OnCtrlChanged(UINT id) override;
    CDistribManager* GetDistribManager() const { return m_panel.GetManager(); }

protected:
    void KeepOnDefault(CRandSampData& fresh) override;

private:
    CDistribPanel m_panel;
};
