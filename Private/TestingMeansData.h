#pragma once

#include "Records/TestingMeansData.h"
#include "TvkBaseGui/CRecordOptions.h"

// One test that a record of the hypothesis-testing menu serves: the caption the launcher gives the
// composite, the page variant it becomes, the command keyword, whether " = " and the hypothesized value
// follow the variables, and whether the variables are compared in pairs.
struct CTestingVariant {
    UINT caption;
    UINT variant;
    const wchar_t* keyword;
    bool valueClause;
    bool paired;
};

// One-sample tests: z test, Poisson rate, correlation, variance, zero correlation, t test, paired t test.
class CTestingOneSampleData : public CRecordOptions<CTestingOneSampleData>,
                              public CTestingOneSampleDataValues {
public:
    static constexpr CTestingVariant kVariants[] = {
        {2308, kZTest, L"ZTEST ", true, false},           {2309, kPoisson, L"POISSON ", true, false},
        {2311, kCorrelation, L"TCORR ", true, true},      {2313, kVariance, L"VARI ", true, false},
        {2316, kZeroCorrelation, L"TCORR ", false, true}, {2319, kTTest, L"TTEST ", true, false},
        {2320, kPairedTTest, L"TTEST ", false, true},
    };
    // Null for a variant outside the table.
    static const CTestingVariant* FindVariant(UINT variant);

    CTestingOneSampleData() { SetEditAttribute(); }

    TVK_OPTIONS(TESTING_ONE_SAMPLE_OPTIONS)

    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Two-sample tests, the samples told apart by a grouping variable: variances, z test, t test.
class CTestingTwoSampleData : public CRecordOptions<CTestingTwoSampleData>,
                              public CTestingTwoSampleDataValues {
public:
    static constexpr CTestingVariant kVariants[] = {
        {2306, kVariances, L"VARI ", false, false},
        {2315, kZTest, L"ZTEST ", false, false},
        {2321, kTTest, L"TTEST ", false, false},
    };
    static const CTestingVariant* FindVariant(UINT variant);

    TVK_OPTIONS(TESTING_TWO_SAMPLE_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
