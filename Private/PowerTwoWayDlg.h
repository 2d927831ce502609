#pragma once

#include "Private/PowerDlgBase.h"
#include "Private/PowerTwoWayData.h"
#include "Templates/2240_powertwoway.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the one-way and two-way analysis of variance power models.
class CPowerTwoWayDlg : public CRecordDlg<CPowerTwoWayData, CPowerDlgBase>, public Template2240 {
public:
    enum : UINT {
        IDC_INDIVIDUAL_RADIO = CPowerTwoWayData::kIndividualItem,
        IDC_RANGE_RADIO = CPowerTwoWayData::kRangeItem,
        IDC_AVERAGE_SQUARE_RADIO = CPowerTwoWayData::kAverageSquareItem,
        IDC_ROW_EFFECTS_RADIO = CPowerTwoWayData::kRowItem,
        IDC_COLUMN_EFFECTS_RADIO = CPowerTwoWayData::kColumnItem,
        IDC_INTERACTION_RADIO = CPowerTwoWayData::kInteractionItem,
    };

    TVK_DIALOG(CPowerTwoWayDlg, OnInitDialog, DoDataExchange, AddToolTips, UpdateDependentWindows);

private:
    bool IsTwoWay() const;
    // The individual effects: numbers, as many as the levels (or cells) they belong to, not all equal.
    void CheckEffects(CDataExchange* pDX);
};
