#pragma once

#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkDlgBase/CBootStrapData.h"

// The resampling page of the tabbed procedures (template 102), over a CBootStrapData.
//
// Ranges: at least 1 resample; a resample size of 0 (as many cases as the data has) or 1 to the number
// of cases; a seed of 0 (automatic) or more. The method and the three edits mean nothing while
// resampling is off, and the jackknife takes neither count, size nor seed: those are disabled then.
class TVK_API CBootStrapDlg : public CGUIBaseDlg {
public:
    enum : UINT {
        IDD = 102,
        IDC_BOOTSTRAP_CHECK = CBootStrapData::kBootStrapCheckControl,
        IDC_METHOD_COMBO = CBootStrapData::kMethodCombo,
        IDC_SAMPLES_EDIT = 1228,
        IDC_SAMPLES_LABEL = 1229,
        IDC_SIZE_EDIT = 1230,
        IDC_SIZE_LABEL = 1231,
        IDC_SEED_EDIT = 1232,
        IDC_SEED_LABEL = 1233,
        IDC_METHOD_LABEL = 1234,
    };

    explicit CBootStrapDlg(CGUIBaseDlg* parent = nullptr);

    CBootStrapData* GetRecord() const { return dynamic_cast<CBootStrapData*>(GetData()); }

    void DoDataExchange(CDataExchange* pDX) override;
    int GetAll() override;
    int SetAll() override;
    int GetAllDefault() override;
    int SetAllDefault() override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;

    int m_BootStrapCheck = 0;
    int m_MethodCombo = 0;
    CGUIData<int> m_SamplesEdit{0};
    CGUIData<int> m_SampleSizeEdit{0};
    CGUIData<int> m_SeedEdit{0};
};
