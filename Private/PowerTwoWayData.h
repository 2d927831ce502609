#pragma once

#include "Private/PowerOptions.h"
#include "Records/PowerTwoWayData.h"

// Power of the one-way (variant 2240) and two-way (2246) analysis of variance.
class CPowerTwoWayData : public CRecordOptions<CPowerTwoWayData>, public CPowerTwoWayDataValues {
public:
    static constexpr CPowerEstimateRadio kEstimateRadio{3914, 3914, 3912, 3911};

    TVK_OPTIONS(POWER_TWO_WAY_OPTIONS)

    void GetCommandInfoList(CCmdList& lines) const override;
};
