#pragma once

#include "Private/PowerCorr2Data.h"
#include "Private/PowerDlgBase.h"
#include "Templates/2238_powercorr2.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the two-correlation and two-proportion power models; its labels, ranges and group-size
// fields follow the model.
class CPowerCorr2Dlg : public CRecordDlg<CPowerCorr2Data, CPowerDlgBase>, public Template2238 {
public:
    enum : UINT {
        IDC_EQUAL_RADIO = CPowerCorr2Data::kEqualItem,
        IDC_UNEQUAL_RADIO = CPowerCorr2Data::kUnequalItem,
        IDC_ALTERNATIVE_COMBO = CPowerCorr2Data::kAlternativeCombo,
    };

    TVK_DIALOG(CPowerCorr2Dlg, OnInitDialog, DoDataExchange, AddToolTips, UpdateDependentWindows);

protected:
    // Two correlations of given group sizes leave only their power to estimate.
    bool EstimateApplies() const override;

private:
    bool IsCorrelation() const;
    bool IsUnequalChecked() const {
        return GetCheckedItem(CPowerCorr2Data::kGroupSizeRadio) == IDC_UNEQUAL_RADIO;
    }
};
