#pragma once

#include "Private/PowerOptions.h"

// The row number holds the rows, or the groups of the one-way model.
#define POWER_TWO_WAY_OPTIONS(LIST, OPTION)                                   \
    POWER_OPTIONS(LIST, OPTION, TestLevelCombo, SampleSizeSpecificPowerRadio) \
    OPTION(CString, IndividualEffectsEdit)                                    \
    OPTION(int, IndividualEffectsRadio, 0)                                    \
    OPTION(int, RowEffectsRadio, 0)                                           \
    OPTION(CGUIData<double>, EffectRangeEdit, 0.0)                            \
    OPTION(CGUIData<double>, AvgeSqEdit, 0.0)                                 \
    OPTION(CGUIData<int>, RowNumberEdit, 0)                                   \
    OPTION(CGUIData<int>, ColumnNumberEdit, 0)                                \
    OPTION(CGUIData<double>, CellStdDevEdit, 0.0)

// Power of the one-way (variant 2240) and two-way (2246) analysis of variance.
class CPowerTwoWayData : public CRecordOptions<CPowerTwoWayData> {
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

    TVK_OPTIONS(POWER_TWO_WAY_OPTIONS)

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
