#pragma once

#include "TvkBaseGui/CRecordOptions.h"

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
    static int GetDefaultPearsonChiSquareCheck() { return 1; }
    static int GetDefaultYatesChiSquareCheck() { return 0; }
    static int GetDefaultFisherExactTestCheck() { return 0; }
    static int GetDefaultOddsRatioCheck() { return 0; }
    static int GetDefaultYuleQYCheck() { return 0; }
    static int GetDefaultCochranCheck() { return 0; }
    static int GetDefaultMcNemarCheck() { return 0; }
    static int GetDefaultCohenKappaCheck() { return 0; }
    static int GetDefaultPhiCheck() { return 0; }
    static int GetDefaultCramerVCheck() { return 0; }
    static int GetDefaultContigencyCoeffCheck() { return 0; }
    static int GetDefaultUncertaintyCoeffCheck() { return 0; }
    static int GetDefaultGoodmanKruskalLamCheck() { return 0; }
    static int GetDefaultLikelihoodChiSquareCheck() { return 0; }
    static int GetDefaultSpearmanRhoCheck() { return 0; }
    static int GetDefaultGoodmanKruskalGamCheck() { return 0; }
    static int GetDefaultKendallTaubCheck() { return 0; }
    static int GetDefaultStuartTaucCheck() { return 0; }
    static int GetDefaultSomerDCheck() { return 0; }
    static CGUIData<double> GetDefaultConfidenceEdit() { return CGUIData<double>(0.95); }

    auto Options() {
        return std::tie(PearsonChiSquareCheck, YatesChiSquareCheck, FisherExactTestCheck, OddsRatioCheck,
                        YuleQYCheck, CochranCheck, McNemarCheck, CohenKappaCheck, PhiCheck, CramerVCheck,
                        ContigencyCoeffCheck, UncertaintyCoeffCheck, GoodmanKruskalLamCheck,
                        LikelihoodChiSquareCheck, SpearmanRhoCheck, GoodmanKruskalGamCheck, KendallTaubCheck,
                        StuartTaucCheck, SomerDCheck, ConfidenceEdit);
    }
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

    int PearsonChiSquareCheck = GetDefaultPearsonChiSquareCheck();
    int YatesChiSquareCheck = GetDefaultYatesChiSquareCheck();
    int FisherExactTestCheck = GetDefaultFisherExactTestCheck();
    int OddsRatioCheck = GetDefaultOddsRatioCheck();
    int YuleQYCheck = GetDefaultYuleQYCheck();
    int CochranCheck = GetDefaultCochranCheck();
    int McNemarCheck = GetDefaultMcNemarCheck();
    int CohenKappaCheck = GetDefaultCohenKappaCheck();
    int PhiCheck = GetDefaultPhiCheck();
    int CramerVCheck = GetDefaultCramerVCheck();
    int ContigencyCoeffCheck = GetDefaultContigencyCoeffCheck();
    int UncertaintyCoeffCheck = GetDefaultUncertaintyCoeffCheck();
    int GoodmanKruskalLamCheck = GetDefaultGoodmanKruskalLamCheck();
    int LikelihoodChiSquareCheck = GetDefaultLikelihoodChiSquareCheck();
    int SpearmanRhoCheck = GetDefaultSpearmanRhoCheck();
    int GoodmanKruskalGamCheck = GetDefaultGoodmanKruskalGamCheck();
    int KendallTaubCheck = GetDefaultKendallTaubCheck();
    int StuartTaucCheck = GetDefaultStuartTaucCheck();
    int SomerDCheck = GetDefaultSomerDCheck();
    CGUIData<double> ConfidenceEdit = GetDefaultConfidenceEdit();
};
