#pragma once

#include "Private/PowerOptions.h"

// The test-against-null edit holds the first value, the population mean the null value.
#define POWER_ONE_SAMPLE_OPTIONS(LIST, OPTION)                                \
    POWER_OPTIONS(LIST, OPTION, TestLevelCombo, SampleSizeSpecificPowerRadio) \
    OPTION(int, AlternativeCombo, kPowerDefaultAlternative)                   \
    OPTION(CGUIData<double>, TestAgainstNullEdit, 0.0)                        \
    OPTION(CGUIData<double>, PopulationMeanEdit, 0.0)                         \
    OPTION(CGUIData<double>, StdDevEdit, 0.0)

// Power of the one-sample models: correlation, t, z, paired t and proportion, by variant.
class CPowerOneSampleData : public CRecordOptions<CPowerOneSampleData> {
public:
    static constexpr UINT kVariantCorr1 = 2237;
    static constexpr UINT kVariantT1 = 2239;
    static constexpr UINT kVariantZ1 = 2241;
    static constexpr UINT kVariantPaired = 2242;
    static constexpr UINT kVariantProp1 = 2243;
    static constexpr UINT kAlternativeCombo = 3834;
    static constexpr CPowerEstimateRadio kEstimateRadio{3848, 3848, 3846, 3845};

    // A model's keyword line and the clauses of its first value, null value and spread (null where the
    // model has no such value).
    struct Model {
        UINT variant;
        const wchar_t* keyword;
        const wchar_t* first;
        const wchar_t* null;
        const wchar_t* spread;
    };
    // The model of a variant, or null for a variant that is none of the five.
    static const Model* FindModel(UINT variant);

    TVK_OPTIONS(POWER_ONE_SAMPLE_OPTIONS)

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
