#pragma once

#include "Private/PowerOptions.h"

// The mean difference is the effect range, the average square the standardised effect, the group
// spread the one within groups (or the pooled one).
#define POWER_TWO_SAMPLE_OPTIONS(LIST, OPTION)                                \
    POWER_OPTIONS(LIST, OPTION, TestLevelCombo, SampleSizeSpecificPowerRadio) \
    OPTION(int, AlternativeCombo, kPowerDefaultAlternative)                   \
    OPTION(int, IndividualEffectsRadio, 0)                                    \
    OPTION(CGUIData<double>, Mean1Edit, 0.0)                                  \
    OPTION(CGUIData<double>, Mean2Edit, 0.0)                                  \
    OPTION(CGUIData<double>, MeanDifferenceEdit, 0.0)                         \
    OPTION(CGUIData<double>, AvgeSqEdit, 0.0)                                 \
    OPTION(CGUIData<double>, GroupStdDevEdit, 0.0)

// Power of the two-sample t (variant 2245) and z (2247) tests.
class CPowerTwoSampleData : public CRecordOptions<CPowerTwoSampleData> {
public:
    static constexpr UINT kVariantT2 = 2245;
    static constexpr UINT kVariantZ2 = 2247;
    static constexpr UINT kAlternativeCombo = 3859;
    static constexpr CPowerEstimateRadio kEstimateRadio{3881, 3881, 3879, 3878};
    // How the effect is given: two means, an effect range or a standardised effect.
    static constexpr UINT kEffectRadio = 3869;
    static constexpr UINT kMeansItem = 3869;
    static constexpr UINT kRangeItem = 3873;
    static constexpr UINT kStandardisedItem = 3864;

    TVK_OPTIONS(POWER_TWO_SAMPLE_OPTIONS)

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
