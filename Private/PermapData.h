#pragma once

#include <array>

#include "Private/OpenCommon.h"
#include "Records/PermapData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Perceptual mapping: the cases placed in a map of a few dimensions from their profiles on the selected
// variables.
//
// Options, in declared order (also the archive's order):
//   ListOfVariablesList  the data's numeric variables
//   SelectedVariablesList  the profile variables (at least two; the first two of the data to begin with)
//   MethodCombo       int            0       combo 5601: principal components, metric scaling, nonmetric
//                                            scaling
//   StandardizeCombo  int            1       combo 5602: none, z scores, unit range
//   DimensionsEdit    CGUIData<int>  2       [1, number of profile variables]
//   IterationsEdit, ConvergenceEdit          of the nonmetric method only (ITERATION_OPTIONS)
//   SaveFileEdit, SaveFileCheck              the map's coordinates saved to a file
//
// Lines: MAPPING; SAVE "file" when saving; "PMAP" and the variables, then after " /": " METHOD = METRIC"
// or " NONMETRIC", " STANDARDIZE = NONE" or " RANGE", " DIM = " by the value rule, and for the
// nonmetric method " ITER = " and " CONV = " by the value rule.
class CPermapData : public CRecordOptions<CPermapData>, public CPermapDataValues {
public:
    enum Method { MethodPrincipal, MethodMetric, MethodNonmetric };
    static constexpr std::array<const wchar_t*, 3> kMethodKeywords = {L"", L"METRIC", L"NONMETRIC"};
    static constexpr std::array<const wchar_t*, 3> kStandardizeKeywords = {L"NONE", L"", L"RANGE"};

    TVK_OPTIONS(PERMAP_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
