#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkUseRes/ResourceTables.h"

// String resources of the power records: the command module, and the test level and power that a
// record starts from.
inline constexpr UINT kPowerModule = 12931;
inline constexpr UINT kPowerTestLevelString = 12700;
inline constexpr UINT kPowerValueString = 12685;
// The two one-sided alternatives of the alternative combos; any other item writes no ALTER clause.
inline constexpr UINT kAlternativeGreaterItem = 12267;
inline constexpr UINT kAlternativeLessItem = 12334;

// What a power model estimates: the sample size for a specific power, the power at one sample size,
// the power over a range of sample sizes; `none` for a radio index the group does not have.
enum class EPowerEstimate { none, sampleSize, single, range };

// The estimate radio group of a power dialog and the item ids of its three buttons.
struct CPowerEstimateRadio {
    UINT group;
    UINT sampleSizeItem;
    UINT singleItem;
    UINT rangeItem;

    EPowerEstimate Kind(int index) const;
};

// The four sample-size holders every power record has.
struct CPowerSampleSizes {
    const CGUIData<int>& single;
    const CGUIData<int>& smallest;
    const CGUIData<int>& largest;
    const CGUIData<int>& step;
};

template <class Record>
CPowerSampleSizes SampleSizesOf(const Record& r) {
    return {r.SampleSizeEdit, r.SmallestSampleSizeEdit, r.LargestSampleSizeEdit, r.DifferenceSamplesEdit};
}

// `start`, the test level, then the clauses of the estimate; `singleClause` introduces the one sample
// size. The test level and the power fall back to 0.05 and 0.80 when their texts are empty (or hold no
// number strictly between 0 and 1).
CString PowerEstimateLine(const CString& start, const CString& level, const CString& power,
                          EPowerEstimate kind, const CPowerSampleSizes& sizes,
                          const CString& singleClause = L" LOW = ");

// The test's line, then the line that estimates its power or sample size from the record's test level,
// power and sample sizes.
template <class Record>
void AddPowerTestLines(const Record& r, const CString& text, EPowerEstimate kind, CCmdList& lines) {
    lines.AddTail(CCmdInfo(text, 0));
    lines.AddTail(CCmdInfo(
        PowerEstimateLine(L"ESTIMATE /", r.TestLevelCombo, r.AlternativePowerCombo, kind, SampleSizesOf(r)),
        0));
}

// " ALTER = " and the alternative's text, for the one-sided alternatives only.
CString PowerAlternativeClause(UINT combo, int index);
