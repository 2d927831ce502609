#pragma once

#include "Private/PowerCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// The options every power record starts with, in this order. Two records spell the test level and the
// estimate radio their own way, so each record names those two.
#define POWER_OPTIONS(LIST, OPTION, LevelCombo, EstimateRadio)           \
    OPTION(CString, LevelCombo, GetString(kPowerTestLevelString))        \
    OPTION(CString, AlternativePowerCombo, GetString(kPowerValueString)) \
    OPTION(int, EstimateRadio, 0)                                        \
    OPTION(CGUIData<int>, SampleSizeEdit, 0)                             \
    OPTION(CGUIData<int>, SmallestSampleSizeEdit, 0)                     \
    OPTION(CGUIData<int>, LargestSampleSizeEdit, 0)                      \
    OPTION(CGUIData<int>, DifferenceSamplesEdit, 1)                      \
    OPTION(int, SaveFileCheck, 0)                                        \
    OPTION(CString, SaveFileEdit)

// The two-sided alternative, where a power record offers the choice.
inline constexpr int kPowerDefaultAlternative = 2;
