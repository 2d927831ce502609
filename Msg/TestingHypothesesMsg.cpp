#include "Msg/TestingHypothesesMsg.h"

#include "Private/TestTabDlg.h"

namespace {

constexpr auto kOneSample = &LaunchDialog<CTestingOneSampleTabData, CTestingOneSampleTabDlg>;
constexpr auto kTwoSample = &LaunchDialog<CTestingTwoSampleTabData, CTestingTwoSampleTabDlg>;

std::vector<MenuRow> Rows() {
    constexpr MenuRule standard = MenuRule::Standard;
    return {
        {1070, 1070, standard, kOneSample, 2311},
        {1071, 1071, standard, &LaunchDialog<CTestingTwoCorrelationsTabData, CTestingTwoCorrelationsTabDlg>,
         2304},
        {1072, 1072, standard, kOneSample, 2316},
        {1073, 1073, standard, kOneSample, 2319},
        {1074, 1074, standard, kOneSample, 2308},
        {1075, 1075, standard, kOneSample, 2320},
        {1076, 1076, standard, kOneSample, 2309},
        {1077, 1077, standard, kTwoSample, 2321},
        {1078, 1078, standard, kTwoSample, 2315},
        {1079, 1079, standard, &LaunchDialog<CTestingOneProportionTabData, CTestingOneProportionTabDlg>,
         2312},
        {1080, 1080, standard, &LaunchDialog<CTestingTwoProportionTabData, CTestingTwoProportionTabDlg>,
         2305},
        {1081, 1081, standard, kOneSample, 2313},
        {1082, 1082, standard, &LaunchDialog<CKwTabData, CKwTabDlg>, 2310},
        {1083, 1083, standard, kTwoSample, 2306},
    };
}

}  // namespace

CTestingHypothesesMsg::CTestingHypothesesMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CTestingHypothesesMsg>(Rows()), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TestingHypothesesMsg.cpp", 35).DoPrint();
}
