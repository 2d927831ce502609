#pragma once

#include <climits>

#include "Private/OpenCommon.h"
#include "Private/OpenTabData.h"
#include "Records/PosacData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Partial order scalogram analysis: the profiles of the cases on a few ordered variables placed in two
// dimensions so that comparable profiles keep their order.
//
// Options, in declared order (also the archive's order):
//   ListOfVariablesList    the data's numeric variables
//   ProfileVariablesList   the profile variables (at least two; all of the data's to begin with)
//   FrequencyVariableList  at most one variable counting the cases of each profile
//   CategoriesCheck        int            0  recode each profile variable into categories
//   CategoriesEdit         CGUIData<int>  5  [2, 20], their number
//   IterationsEdit, ConvergenceEdit          (ITERATION_OPTIONS)
//
// Lines: POSAC; "POSAC" and the profile variables, then after " /": " FREQ = " and the frequency
// variable; " CATEGORIES = " and the number while recoding; " ITER = ", " CONV = " by the value rule.
class CPosacData : public CRecordOptions<CPosacData>, public CPosacDataValues {
public:
    TVK_OPTIONS(POSAC_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Partial order scalogram analysis with its resampling page.
class CPosacTabData : public CResampledTabData<CPosacData, 2236> {
public:
    static CPosacData GetDefaultPosac() { return {}; }
};
