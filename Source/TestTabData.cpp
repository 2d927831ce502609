#include "Private/HypothesesTabData.h"
#include "Private/NonparametricTabData.h"
#include "Source/RecordRegistry.h"

const CPageCaptions& CTestingOneSampleTabData::PageCaptions() {
    static const CPageCaptions table = PageCaptionsOf(CTestingOneSampleData::kVariants);
    return table;
}

const CPageCaptions& CTestingTwoSampleTabData::PageCaptions() {
    static const CPageCaptions table = PageCaptionsOf(CTestingTwoSampleData::kVariants);
    return table;
}

const CPageCaptions& CKwTabData::PageCaptions() {
    static const CPageCaptions table{{2110, {CKwData::kKruskalWallis, 0}},
                                     {2310, {CKwData::kSeveralVariances, 0}}};
    return table;
}

REGISTER_RECORD(CTestingOneSampleTabData);
REGISTER_RECORD(CTestingTwoSampleTabData);
REGISTER_RECORD(CTestingOneProportionTabData);
REGISTER_RECORD(CTestingTwoProportionTabData);
REGISTER_RECORD(CTestingTwoCorrelationsTabData);
REGISTER_RECORD(CKwTabData);
REGISTER_RECORD(CTwoSampleKSTabData);
REGISTER_RECORD(CQuadeTabData);
REGISTER_RECORD(CFriedManTabData);
REGISTER_RECORD(CRunsTabData);
REGISTER_RECORD(CSignTabData);
REGISTER_RECORD(CWilcoxonTabData);
