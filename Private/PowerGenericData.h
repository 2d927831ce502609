#pragma once

#include "Source/PowerCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Power of a test whose statistic follows a noncentral F distribution, given its degrees of freedom
// and its noncentrality. One model: the record writes it whatever its variant.
class CPowerGenericData : public CRecordOptions<CPowerGenericData, CPowerDataBase> {
public:
    static constexpr CPowerEstimateRadio kEstimateRadio{3827, 3827, 3825, 3824};

    static int GetDefaultSampleSizeForSpecificPowerRadio() {
        return GetDefaultSampleSizeSpecificPowerRadio();
    }
    static CGUIData<int> GetDefaultNumeratordegreesEdit() { return CGUIData<int>(0); }
    static CGUIData<double> GetDefaultDenominatorDegreesEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultDenomSampleSizeEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultNonCentralityEdit() { return CGUIData<double>(0.0); }

    auto Options() {
        return std::tie(TestLevelCombo, AlternativePowerCombo, SampleSizeForSpecificPowerRadio,
                        SampleSizeEdit, SmallestSampleSizeEdit, LargestSampleSizeEdit, DifferenceSamplesEdit,
                        SaveFileCheck, SaveFileEdit, NumeratordegreesEdit, DenominatorDegreesEdit,
                        DenomSampleSizeEdit, NonCentralityEdit);
    }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CString TestLevelCombo = GetDefaultTestLevelCombo();
    CString AlternativePowerCombo = GetDefaultAlternativePowerCombo();
    int SampleSizeForSpecificPowerRadio = GetDefaultSampleSizeForSpecificPowerRadio();
    CGUIData<int> SampleSizeEdit = GetDefaultSampleSizeEdit();
    CGUIData<int> SmallestSampleSizeEdit = GetDefaultSmallestSampleSizeEdit();
    CGUIData<int> LargestSampleSizeEdit = GetDefaultLargestSampleSizeEdit();
    CGUIData<int> DifferenceSamplesEdit = GetDefaultDifferenceSamplesEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    CGUIData<int> NumeratordegreesEdit = GetDefaultNumeratordegreesEdit();
    // The denominator's degrees of freedom are C1 per case plus C0.
    CGUIData<double> DenominatorDegreesEdit = GetDefaultDenominatorDegreesEdit();
    CGUIData<double> DenomSampleSizeEdit = GetDefaultDenomSampleSizeEdit();
    CGUIData<double> NonCentralityEdit = GetDefaultNonCentralityEdit();
};
