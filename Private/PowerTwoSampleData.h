#pragma once

#include "Source/PowerCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Power of the two-sample t (variant 2245) and z (2247) tests.
class CPowerTwoSampleData : public CRecordOptions<CPowerTwoSampleData, CPowerDataBase> {
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

    static int GetDefaultIndividualEffectsRadio() { return 0; }
    static CGUIData<double> GetDefaultMean1Edit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultMean2Edit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultMeanDifferenceEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultAvgeSqEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultGroupStdDevEdit() { return CGUIData<double>(0.0); }

    auto Options() {
        return std::tie(TestLevelCombo, AlternativePowerCombo, SampleSizeSpecificPowerRadio, SampleSizeEdit,
                        SmallestSampleSizeEdit, LargestSampleSizeEdit, DifferenceSamplesEdit, SaveFileCheck,
                        SaveFileEdit, AlternativeCombo, IndividualEffectsRadio, Mean1Edit, Mean2Edit,
                        MeanDifferenceEdit, AvgeSqEdit, GroupStdDevEdit);
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
    int IndividualEffectsRadio = GetDefaultIndividualEffectsRadio();
    CGUIData<double> Mean1Edit = GetDefaultMean1Edit();
    CGUIData<double> Mean2Edit = GetDefaultMean2Edit();
    CGUIData<double> MeanDifferenceEdit = GetDefaultMeanDifferenceEdit();  // the effect range
    CGUIData<double> AvgeSqEdit = GetDefaultAvgeSqEdit();                  // the standardised effect
    CGUIData<double> GroupStdDevEdit = GetDefaultGroupStdDevEdit();        // within groups, or pooled
};
