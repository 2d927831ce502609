#pragma once

#include "Private/PowerDlgBase.h"
#include "Private/PowerTwoSampleData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the two-sample t and z power models: the effect as two means, a range or a
// standardised effect, and the spread.
class CPowerTwoSampleDlg : public CRecordDlg<CPowerTwoSampleData, CPowerDlgBase> {
public:
    enum : UINT {
        IDD = 2245,
        IDC_MEANS_RADIO = CPowerTwoSampleData::kMeansItem,
        IDC_RANGE_RADIO = CPowerTwoSampleData::kRangeItem,
        IDC_STANDARDISED_RADIO = CPowerTwoSampleData::kStandardisedItem,
        IDC_MEAN1_EDIT = 3861,
        IDC_MEAN2_EDIT = 3862,
        IDC_RANGE_EDIT = 3863,
        IDC_STANDARDISED_EDIT = 3865,
        IDC_SPREAD_EDIT = 3866,
        IDC_SPREAD_LABEL = 3867,
        IDC_ALTERNATIVE_COMBO = CPowerTwoSampleData::kAlternativeCombo,
    };

    explicit CPowerTwoSampleDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
