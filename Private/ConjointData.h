#pragma once

#include <array>

#include "Private/OpenCommon.h"
#include "Private/OpenTabData.h"
#include "Records/ConjointData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Conjoint analysis: the part-worths of attribute levels that explain the preferences given to
// profiles, under an additive or a multiplicative model.
//
// Options, in declared order (also the archive's order):
//   ListOfVariablesList       the data's numeric variables
//   PreferenceVariablesList   the preferences (at least one; the data's first variable to begin with)
//   AttributeVariablesList    the attributes (at least one; the data's second variable to begin with)
//   ModelRadio   int  0  radio 5621: additive, multiplicative
//   LossCombo    int  0  combo 5603: stress (monotone), rank correlation, least squares
//   IterationsEdit, ConvergenceEdit  of the monotone losses (ITERATION_OPTIONS)
//
// Lines: CONJOINT; "CONJOINT" and the preferences, " = " and the attributes, then after " /":
// " MODEL = MULTIPLICATIVE", " LOSS = TAU" or " LSQ", and for the monotone losses " ITER = " and
// " CONV = " by the value rule.
class CConjointData : public CRecordOptions<CConjointData>, public CConjointDataValues {
public:
    enum Loss { LossStress, LossTau, LossLeastSquares };
    static constexpr std::array<const wchar_t*, 2> kModelKeywords = {L"", L"MULTIPLICATIVE"};
    static constexpr std::array<const wchar_t*, 3> kLossKeywords = {L"", L"TAU", L"LSQ"};

    TVK_OPTIONS(CONJOINT_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Conjoint analysis with its resampling page.
class CConjointTabData : public CResampledTabData<CConjointData, 2052> {
public:
    static CConjointData GetDefaultConjoint() { return {}; }
};
