#pragma once

#include "Private/PowerOptions.h"
#include "Records/PowerCorr2Data.h"

// Power of the tests of two correlations (variant 2238) and of two proportions (2244).
class CPowerCorr2Data : public CRecordOptions<CPowerCorr2Data>, public CPowerCorr2DataValues {
public:
    static constexpr CPowerEstimateRadio kEstimateRadio{3797, 3797, 3795, 3794};

    TVK_OPTIONS(POWER_CORR2_OPTIONS)

    void GetCommandInfoList(CCmdList& lines) const override;
};
