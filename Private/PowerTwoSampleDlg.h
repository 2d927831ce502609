#pragma once

#include "Private/PowerDlgBase.h"
#include "Private/PowerTwoSampleData.h"
#include "Templates/2245_powertwosample.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the two-sample t and z power models: the effect as two means, a range or a
// standardised effect, and the spread.
class CPowerTwoSampleDlg : public CRecordDlg<CPowerTwoSampleData, CPowerDlgBase>, public Template2245 {
public:
    enum : UINT {
        IDC_MEANS_RADIO = CPowerTwoSampleData::kMeansItem,
        IDC_RANGE_RADIO = CPowerTwoSampleData::kRangeItem,
        IDC_STANDARDISED_RADIO = CPowerTwoSampleData::kStandardisedItem,
        IDC_ALTERNATIVE_COMBO = CPowerTwoSampleData::kAlternativeCombo,
    };

    TVK_DIALOG(CPowerTwoSampleDlg, DoDataExchange, AddToolTips, UpdateDependentWindows);
};
