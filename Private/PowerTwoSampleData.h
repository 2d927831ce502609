#pragma once

#include "Private/PowerOptions.h"
#include "Records/PowerTwoSampleData.h"

// Power of the two-sample t (variant 2245) and z (2247) tests.
class CPowerTwoSampleData : public CRecordOptions<CPowerTwoSampleData>, public CPowerTwoSampleDataValues {
public:
    static constexpr CPowerEstimateRadio kEstimateRadio{3881, 3881, 3879, 3878};

    TVK_OPTIONS(POWER_TWO_SAMPLE_OPTIONS)

    void GetCommandInfoList(CCmdList& lines) const override;
};
