#include "Msg/MonteCarloMsg.h"

#include "Msg/OpenProcedures.h"
#include "Private/DistribData.h"
#include "Private/FittingDlg.h"
#include "Private/ProbabilityDlg.h"
#include "Private/RandSampDlg.h"

namespace {

// The probability calculators: the catalogue's set first (0 continuous, 1 discrete), then the dialog.
template <int Set>
void LaunchProbability(IGlobal* global, UINT command, UINT caption) {
    CDistribData::SetDistribSet(Set);
    LaunchDialog<CProbabilityData, CProbabilityDlg>(global, command, caption);
}

// Fitting: the fitting catalogue's set first (0 continuous, 1 discrete).
template <int Set>
void LaunchFitting(IGlobal* global, UINT command, UINT caption) {
    CDistribFittingData::SetDistribSet(Set);
    LaunchDialog<CFittingData, CFittingDlg>(global, command, caption);
}

// Random samples are drawn only when the host's current-module service allows it; the catalogue's set
// first (0 continuous, 1 discrete, 2 multivariate as a list of its five entries).
template <int Set>
void LaunchRandSamp(IGlobal* global, UINT command, UINT caption) {
    if (!global || !global->QueryCurrentModule())
        return;
    if (Set == 2)
        CDistribData::SetDistribSetList(Set, 5);
    else
        CDistribData::SetDistribSet(Set);
    LaunchDialog<CRandSampData, CRandSampDlg>(global, command, caption);
}

std::vector<MenuRow> Rows() {
    return {
        {1002, 1002, MenuRule::Standard, LaunchFitting<0>, CFittingData::kContinuous},
        {1003, 1003, MenuRule::Standard, LaunchFitting<1>, CFittingData::kDiscrete},
        {1034, 1034, MenuRule::Always, LaunchRandSamp<2>, CRandSampData::kMultivariate},
        {1035, 1035, MenuRule::Always, LaunchRandSamp<0>, CRandSampData::kContinuous},
        {1036, 1036, MenuRule::Always, LaunchRandSamp<1>, CRandSampData::kDiscrete},
        {1056, 1056, MenuRule::Always, LaunchProbability<0>, CProbabilityData::kContinuous},
        {1057, 1057, MenuRule::Always, LaunchProbability<1>, CProbabilityData::kDiscrete},
        {1088, 1088, MenuRule::Always, &LaunchDialog<CRsMixtureData, CRsMixtureDlg>, 0},
    };
}

}  // namespace

CMonteCarloMsg::CMonteCarloMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"MonteCarloMsg.cpp", 36).DoPrint();
}
