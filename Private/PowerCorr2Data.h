#pragma once

#include "Private/PowerOptions.h"

// The first and second correlation edits hold the two proportions under the proportion variant.
#define POWER_CORR2_OPTIONS(LIST, OPTION)                                     \
    POWER_OPTIONS(LIST, OPTION, TestlevelCombo, SampleSizeSpecificPowerRadio) \
    OPTION(int, AlternativeCombo, kPowerDefaultAlternative)                   \
    OPTION(int, EqualsampleSizeRadio, 0)                                      \
    OPTION(CGUIData<double>, Correlation1Edit, 0.0)                           \
    OPTION(CGUIData<double>, Correlation2Edit, 0.0)                           \
    OPTION(CGUIData<int>, SampleSize1Edit, 0)                                 \
    OPTION(CGUIData<int>, SampleSize2Edit, 0)                                 \
    OPTION(CGUIData<double>, GroupUnEqualRatioEdit, 0.0)

// Power of the tests of two correlations (variant 2238) and of two proportions (2244).
class CPowerCorr2Data : public CRecordOptions<CPowerCorr2Data> {
public:
    static constexpr UINT kVariantCorr2 = 2238;
    static constexpr UINT kVariantProp2 = 2244;
    static constexpr UINT kAlternativeCombo = 3778;
    static constexpr CPowerEstimateRadio kEstimateRadio{3797, 3797, 3795, 3794};
    // Equal or unequal group sizes.
    static constexpr UINT kGroupSizeRadio = 3788;
    static constexpr UINT kEqualItem = 3788;
    static constexpr UINT kUnequalItem = 3809;

    TVK_OPTIONS(POWER_CORR2_OPTIONS)

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
