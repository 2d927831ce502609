#pragma once

#include "Source/PowerCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Power of the one-way (variant 2240) and two-way (2246) analysis of variance.
class CPowerTwoWayData : public CRecordOptions<CPowerTwoWayData, CPowerDataBase> {
public:
    static constexpr UINT kVariantOneWay = 2240;
    static constexpr UINT kVariantTwoWay = 2246;
    static constexpr CPowerEstimateRadio kEstimateRadio{3914, 3914, 3912, 3911};
    // How the effects are given: one by one, as a range, or as their average square.
    static constexpr UINT kEffectRadio = 3904;
    static constexpr UINT kIndividualItem = 3903;
    static constexpr UINT kRangeItem = 3902;
    static constexpr UINT kAverageSquareItem = 3892;
    // Which effects of the two-way model: row, column or interaction.
    static constexpr UINT kWhichEffectsRadio = 3910;
    static constexpr UINT kRowItem = 3910;
    static constexpr UINT kColumnItem = 3896;
    static constexpr UINT kInteractionItem = 3905;

    static CString GetDefaultIndividualEffectsEdit() { return {}; }
    static int GetDefaultIndividualEffectsRadio() { return 0; }
    static int GetDefaultRowEffectsRadio() { return 0; }
    static CGUIData<double> GetDefaultEffectRangeEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultAvgeSqEdit() { return CGUIData<double>(0.0); }
    static CGUIData<int> GetDefaultRowNumberEdit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultColumnNumberEdit() { return CGUIData<int>(0); }
    static CGUIData<double> GetDefaultCellStdDevEdit() { return CGUIData<double>(0.0); }

    auto Options() {
        return std::tie(TestLevelCombo, AlternativePowerCombo, SampleSizeSpecificPowerRadio, SampleSizeEdit,
                        SmallestSampleSizeEdit, LargestSampleSizeEdit, DifferenceSamplesEdit, SaveFileCheck,
                        SaveFileEdit, IndividualEffectsEdit, IndividualEffectsRadio, RowEffectsRadio,
                        EffectRangeEdit, AvgeSqEdit, RowNumberEdit, ColumnNumberEdit, CellStdDevEdit);
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
    CString IndividualEffectsEdit = GetDefaultIndividualEffectsEdit();
    int IndividualEffectsRadio = GetDefaultIndividualEffectsRadio();
    int RowEffectsRadio = GetDefaultRowEffectsRadio();
    CGUIData<double> EffectRangeEdit = GetDefaultEffectRangeEdit();
    CGUIData<double> AvgeSqEdit = GetDefaultAvgeSqEdit();
    CGUIData<int> RowNumberEdit = GetDefaultRowNumberEdit();  // the rows, or the groups of the one-way model
    CGUIData<int> ColumnNumberEdit = GetDefaultColumnNumberEdit();
    CGUIData<double> CellStdDevEdit = GetDefaultCellStdDevEdit();
};
