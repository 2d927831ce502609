#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The statistics page of the loglinear composite: what the fit prints. It writes no line of its own:
// its keywords join the print-option line ("PLENGTH NONE /") the model page wrote.
//
// Options, in declared order (GetAll / SetAll and archive, after the base part), with their keywords:
//   FittedCheck        1  " EXPECT"   fitted (expected) cell frequencies
//   ResidualsCheck     0  " RESID"    raw residuals
//   StdResidualsCheck  0  " STDRES"   standardized (Pearson) residuals
//   AdjResidualsCheck  0  " ADJRES"   adjusted residuals
//   GoodnessCheck      1  " FIT"      Pearson and likelihood-ratio chi-square with their df
//   AicCheck           0  " AIC"      information criteria of the model
//   PartialAssocCheck  0  " PARTIAL"  tests of partial association of each term
//   ParametersCheck    0  " PARAM"    parameter estimates with their standard errors
//   CorrelationCheck   0  " CORR"     correlations of the parameter estimates
//   ConfidenceEdit     CGUIData<double> 0.95: level of the parameters' intervals, " CONFI = " and the
//                      level after the keywords when the parameters are asked for and the value rule
//                      writes it
class CLogLinStatsData : public CRecordOptions<CLogLinStatsData> {
public:
    static int GetDefaultFittedCheck() { return 1; }
    static int GetDefaultResidualsCheck() { return 0; }
    static int GetDefaultStdResidualsCheck() { return 0; }
    static int GetDefaultAdjResidualsCheck() { return 0; }
    static int GetDefaultGoodnessCheck() { return 1; }
    static int GetDefaultAicCheck() { return 0; }
    static int GetDefaultPartialAssocCheck() { return 0; }
    static int GetDefaultParametersCheck() { return 0; }
    static int GetDefaultCorrelationCheck() { return 0; }
    static CGUIData<double> GetDefaultConfidenceEdit() { return CGUIData<double>(0.95); }

    auto Options() {
        return std::tie(FittedCheck, ResidualsCheck, StdResidualsCheck, AdjResidualsCheck, GoodnessCheck,
                        AicCheck, PartialAssocCheck, ParametersCheck, CorrelationCheck, ConfidenceEdit);
    }

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void GetCommandInfoList(CCmdList& lines) const override;

    int FittedCheck = GetDefaultFittedCheck();
    int ResidualsCheck = GetDefaultResidualsCheck();
    int StdResidualsCheck = GetDefaultStdResidualsCheck();
    int AdjResidualsCheck = GetDefaultAdjResidualsCheck();
    int GoodnessCheck = GetDefaultGoodnessCheck();
    int AicCheck = GetDefaultAicCheck();
    int PartialAssocCheck = GetDefaultPartialAssocCheck();
    int ParametersCheck = GetDefaultParametersCheck();
    int CorrelationCheck = GetDefaultCorrelationCheck();
    CGUIData<double> ConfidenceEdit = GetDefaultConfidenceEdit();
};
