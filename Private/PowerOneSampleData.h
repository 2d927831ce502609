#pragma once

#include "Private/PowerOptions.h"
#include "Records/PowerOneSampleData.h"

// Power of the one-sample models: correlation, t, z, paired t and proportion, by variant.
class CPowerOneSampleData : public CRecordOptions<CPowerOneSampleData>, public CPowerOneSampleDataValues {
public:
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

    void GetCommandInfoList(CCmdList& lines) const override;
};
