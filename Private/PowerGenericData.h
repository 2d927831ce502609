#pragma once

#include "Private/PowerOptions.h"

// The denominator's degrees of freedom are C1 per case plus C0.
#define POWER_GENERIC_OPTIONS(LIST, OPTION)                                      \
    POWER_OPTIONS(LIST, OPTION, TestLevelCombo, SampleSizeForSpecificPowerRadio) \
    OPTION(CGUIData<int>, NumeratordegreesEdit, 0)                               \
    OPTION(CGUIData<double>, DenominatorDegreesEdit, 0.0)                        \
    OPTION(CGUIData<double>, DenomSampleSizeEdit, 0.0)                           \
    OPTION(CGUIData<double>, NonCentralityEdit, 0.0)

// Power of a test whose statistic follows a noncentral F distribution, given its degrees of freedom
// and its noncentrality. One model: the record writes it whatever its variant.
class CPowerGenericData : public CRecordOptions<CPowerGenericData> {
public:
    static constexpr CPowerEstimateRadio kEstimateRadio{3827, 3827, 3825, 3824};

    TVK_OPTIONS(POWER_GENERIC_OPTIONS)

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
