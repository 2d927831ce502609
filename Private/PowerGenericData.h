#pragma once

#include "Private/PowerOptions.h"
#include "Records/PowerGenericData.h"

// Power of a test whose statistic follows a noncentral F distribution, given its degrees of freedom
// and its noncentrality. One model: the record writes it whatever its variant.
class CPowerGenericData : public CRecordOptions<CPowerGenericData> {
public:
    static constexpr CPowerEstimateRadio kEstimateRadio{3827, 3827, 3825, 3824};

    TVK_OPTIONS(POWER_GENERIC_OPTIONS)

    void GetCommandInfoList(CCmdList& lines) const override;
};
