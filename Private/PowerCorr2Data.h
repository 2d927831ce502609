#pragma once

#include "Source/PowerCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Power of the tests of two correlations (variant 2238) and of two proportions (2244).
class CPowerCorr2Data : public CRecordOptions<CPowerCorr2Data, CPowerDataBase> {
public:
    static constexpr UINT kVariantCorr2 = 2238;
    static constexpr UINT kVariantProp2 = 2244;
    static constexpr UINT kAlternativeCombo = 3778;
    static constexpr CPowerEstimateRadio kEstimateRadio{3797, 3797, 3795, 3794};
    // Equal or unequal group sizes.
    static constexpr UINT kGroupSizeRadio = 3788;
    static constexpr UINT kEqualItem = 3788;
    static constexpr UINT kUnequalItem = 3809;

    static CString GetDefaultTestlevelCombo() { return GetDefaultTestLevelCombo(); }
    static int GetDefaultEqualsampleSizeRadio() { return 0; }
    static CGUIData<double> GetDefaultCorrelation1Edit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultCorrelation2Edit() { return CGUIData<double>(0.0); }
    static CGUIData<int> GetDefaultSampleSize1Edit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultSampleSize2Edit() { return CGUIData<int>(0); }
    static CGUIData<double> GetDefaultGroupUnEqualRatioEdit() { return CGUIData<double>(0.0); }

    auto Options() {
        return std::tie(TestlevelCombo, AlternativePowerCombo, SampleSizeSpecificPowerRadio, SampleSizeEdit,
                        SmallestSampleSizeEdit, LargestSampleSizeEdit, DifferenceSamplesEdit, SaveFileCheck,
                        SaveFileEdit, AlternativeCombo, EqualsampleSizeRadio, Correlation1Edit,
                        Correlation2Edit, SampleSize1Edit, SampleSize2Edit, GroupUnEqualRatioEdit);
    }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CString TestlevelCombo = GetDefaultTestlevelCombo();
    CString AlternativePowerCombo = GetDefaultAlternativePowerCombo();
    int SampleSizeSpecificPowerRadio = GetDefaultSampleSizeSpecificPowerRadio();
    CGUIData<int> SampleSizeEdit = GetDefaultSampleSizeEdit();
    CGUIData<int> SmallestSampleSizeEdit = GetDefaultSmallestSampleSizeEdit();
    CGUIData<int> LargestSampleSizeEdit = GetDefaultLargestSampleSizeEdit();
    CGUIData<int> DifferenceSamplesEdit = GetDefaultDifferenceSamplesEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int AlternativeCombo = GetDefaultAlternativeCombo();
    int EqualsampleSizeRadio = GetDefaultEqualsampleSizeRadio();
    CGUIData<double> Correlation1Edit = GetDefaultCorrelation1Edit();  // or the first proportion
    CGUIData<double> Correlation2Edit = GetDefaultCorrelation2Edit();  // or the second proportion
    CGUIData<int> SampleSize1Edit = GetDefaultSampleSize1Edit();
    CGUIData<int> SampleSize2Edit = GetDefaultSampleSize2Edit();
    CGUIData<double> GroupUnEqualRatioEdit = GetDefaultGroupUnEqualRatioEdit();
};
