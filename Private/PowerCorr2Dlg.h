#pragma once

#include "Private/PowerCorr2Data.h"
#include "Private/PowerDlgBase.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the two-correlation and two-proportion power models; its labels, ranges and group-size
// fields follow the model.
class CPowerCorr2Dlg : public CRecordDlg<CPowerCorr2Data, CPowerDlgBase> {
public:
    enum : UINT {
        IDD = 2238,
        IDC_FIRST_EDIT = 3780,
        IDC_SECOND_EDIT = 3781,
        IDC_FIRST_LABEL = 3785,
        IDC_SECOND_LABEL = 3786,
        IDC_EQUAL_RADIO = CPowerCorr2Data::kEqualItem,
        IDC_UNEQUAL_RADIO = CPowerCorr2Data::kUnequalItem,
        IDC_SIZE1_EDIT = 3782,
        IDC_SIZE2_EDIT = 3783,
        IDC_RATIO_EDIT = 3784,
        IDC_ALTERNATIVE_COMBO = CPowerCorr2Data::kAlternativeCombo,
    };

    explicit CPowerCorr2Dlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;

protected:
    // Two correlations of given group sizes leave only their power to estimate.
    bool EstimateApplies() const override;

private:
    bool IsCorrelation() const;
    bool IsUnequalChecked() const {
        return GetCheckedItem(CPowerCorr2Data::kGroupSizeRadio) == IDC_UNEQUAL_RADIO;
    }
};
