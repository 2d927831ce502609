#pragma once

#include "Source/PowerCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Power of the one-sample models: correlation, t, z, paired t and proportion, by variant.
class CPowerOneSampleData : public CRecordOptions<CPowerOneSampleData, CPowerDataBase> {
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

    static CGUIData<double> GetDefaultTestAgainstNullEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultPopulationMeanEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultStdDevEdit() { return CGUIData<double>(0.0); }

    auto Options() {
        return std::tie(TestLevelCombo, AlternativePowerCombo, SampleSizeSpecificPowerRadio, SampleSizeEdit,
                        SmallestSampleSizeEdit, LargestSampleSizeEdit, DifferenceSamplesEdit, SaveFileCheck,
                        SaveFileEdit, AlternativeCombo, TestAgainstNullEdit, PopulationMeanEdit, StdDevEdit);
    }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CString TestLevelCombo = GetDefaultTestLevelCombo();
    CString AlternativePowerCombo = GetDefaultAlternativePowerCombo();
    int SampleSizeSpecificPowerRadio = GetDefaultSampleSizeSpecificPowerRadio();
    CGUIData<int> SampleSizeEdit = GetDefaultSampleSizeEdit();
    CGUIData<int> SmallestSampleSizeEdit = GetDefaultSmallestSampleSizeEdit();
    CGUIData<int> LargestSampleSizeEdit = GetDefaultLargestSampleSizeEdit();
    CGUIData<int> DifferenceSamplesEdit = GetDefaultDifferenceSamplesEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int AlternativeCombo = GetDefaultAlternativeCombo();
    CGUIData<double> TestAgainstNullEdit = GetDefaultTestAgainstNullEdit();  // the first value
    CGUIData<double> PopulationMeanEdit = GetDefaultPopulationMeanEdit();    // the null value
    CGUIData<double> StdDevEdit = GetDefaultStdDevEdit();                    // the spread
};
