#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Each option with its keyword, archived in declared order after the base part.
#define LOGLIN_STATS_OPTIONS(LIST, OPTION)                                                            \
    OPTION(int, FittedCheck, 1)       /* " EXPECT": fitted (expected) cell frequencies */             \
    OPTION(int, ResidualsCheck, 0)    /* " RESID": raw residuals */                                   \
    OPTION(int, StdResidualsCheck, 0) /* " STDRES": standardized (Pearson) residuals */               \
    OPTION(int, AdjResidualsCheck, 0) /* " ADJRES": adjusted residuals */                             \
    OPTION(int, GoodnessCheck, 1)     /* " FIT": Pearson and likelihood-ratio chi-square, their df */ \
    OPTION(int, AicCheck, 0)          /* " AIC": information criteria of the model */                 \
    OPTION(int, PartialAssocCheck, 0) /* " PARTIAL": tests of partial association of each term */     \
    OPTION(int, ParametersCheck, 0)   /* " PARAM": parameter estimates with their standard errors */  \
    OPTION(int, CorrelationCheck, 0)  /* " CORR": correlations of the parameter estimates */          \
    OPTION(CGUIData<double>, ConfidenceEdit, 0.95)

// The statistics page of the loglinear composite: what the fit prints. It writes no line of its own:
// its keywords join the print-option line ("PLENGTH NONE /") the model page wrote. The level of the
// parameters' intervals follows the keywords as " CONFI = " and the level when the parameters are asked
// for and the value rule writes it.
class CLogLinStatsData : public CRecordOptions<CLogLinStatsData> {
public:
    TVK_OPTIONS(LOGLIN_STATS_OPTIONS)

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void GetCommandInfoList(CCmdList& lines) const override;
};
