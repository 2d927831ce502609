#pragma once

#include "Private/PowerDlgBase.h"
#include "Private/PowerTwoWayData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the one-way and two-way analysis of variance power models.
class CPowerTwoWayDlg : public CRecordDlg<CPowerTwoWayData, CPowerDlgBase> {
public:
    enum : UINT {
        IDD = 2240,
        IDC_ROWS_EDIT = 3894,
        IDC_ROWS_LABEL = 3898,
        IDC_COLUMNS_EDIT = 3895,
        IDC_COLUMNS_LABEL = 3899,
        IDC_SPREAD_EDIT = 3897,
        IDC_SPREAD_LABEL = 3900,
        IDC_EFFECTS_EDIT = 3890,
        IDC_RANGE_EDIT = 3891,
        IDC_AVERAGE_SQUARE_EDIT = 3893,
        IDC_INDIVIDUAL_RADIO = CPowerTwoWayData::kIndividualItem,
        IDC_RANGE_RADIO = CPowerTwoWayData::kRangeItem,
        IDC_AVERAGE_SQUARE_RADIO = CPowerTwoWayData::kAverageSquareItem,
        IDC_ROW_EFFECTS_RADIO = CPowerTwoWayData::kRowItem,
        IDC_COLUMN_EFFECTS_RADIO = CPowerTwoWayData::kColumnItem,
        IDC_INTERACTION_RADIO = CPowerTwoWayData::kInteractionItem,
    };

    explicit CPowerTwoWayDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;

private:
    bool IsTwoWay() const;
    // The individual effects: numbers, as many as the levels (or cells) they belong to, not all equal.
    void CheckEffects(CDataExchange* pDX);
};
