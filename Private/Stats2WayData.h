#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define STATS2WAY_OPTIONS(LIST, OPTION)      \
    OPTION(int, PearsonChiSquareCheck, 1)    \
    OPTION(int, YatesChiSquareCheck, 0)      \
    OPTION(int, FisherExactTestCheck, 0)     \
    OPTION(int, OddsRatioCheck, 0)           \
    OPTION(int, YuleQYCheck, 0)              \
    OPTION(int, CochranCheck, 0)             \
    OPTION(int, McNemarCheck, 0)             \
    OPTION(int, CohenKappaCheck, 0)          \
    OPTION(int, PhiCheck, 0)                 \
    OPTION(int, CramerVCheck, 0)             \
    OPTION(int, ContigencyCoeffCheck, 0)     \
    OPTION(int, UncertaintyCoeffCheck, 0)    \
    OPTION(int, GoodmanKruskalLamCheck, 0)   \
    OPTION(int, LikelihoodChiSquareCheck, 0) \
    OPTION(int, SpearmanRhoCheck, 0)         \
    OPTION(int, GoodmanKruskalGamCheck, 0)   \
    OPTION(int, KendallTaubCheck, 0)         \
    OPTION(int, StuartTaucCheck, 0)          \
    OPTION(int, SomerDCheck, 0)              \
    OPTION(CGUIData<double>, ConfidenceEdit, 0.95)

class CXTab2WayTabData;

// The measures-of-association page of the two-way tables composite and of the standardized multiway
// composite. It writes no line of its own: its keywords join the print-option line ("PLENGTH NONE")
// and, when an interval measure is asked for, its confidence clause joins the line holding "TABULATE".
//
// The standardized composite writes its table line as "STD ", so no line holds "TABULATE" there: the
// line search gives -1 and CStringUtil::ConcatStringAt drops a clause for line -1. The standardized
// tables therefore never carry the measures' confidence clause; the keywords still join the print line.
class CStats2WayData : public CRecordOptions<CStats2WayData> {
public:
    TVK_OPTIONS(STATS2WAY_OPTIONS)

    // Whether a measure with a confidence interval is asked for.
    bool AnyIntervalMeasure() const;

    using CGUIBaseObj::GetParent;
    // The two-way composite the page sits in; a page outside one is reported and gets null.
    void GetParent(CXTab2WayTabData*& parent) const;

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void GetCommandInfoList(CCmdList& lines) const override;
};
