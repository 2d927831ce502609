#include "Msg/MonteCarloMsg.h"

#include "Msg/OpenProcedures.h"
#include "Private/DistribData.h"
#include "Private/FittingDlg.h"
#include "Private/ProbabilityDlg.h"
#include "Private/RandSampDlg.h"

namespace {

// The probability calculators: the catalogue's set first, then the dialog.
template <int Set>
void LaunchProbability(IGlobal* global, UINT command, UINT caption) {
    CDistribData::SetDistribSet(Set);
    LaunchDialog<CProbabilityData, CProbabilityDlg>(global, command, caption);
}

// Fitting: the fitting catalogue's set first.
template <int Set>
void LaunchFitting(IGlobal* global, UINT command, UINT caption) {
    CDistribFittingData::SetDistribSet(Set);
    LaunchDialog<CFittingData, CFittingDlg>(global, command, caption);
}

// Random samples are drawn only when the host's current-module service allows it; the catalogue's set
// first, the multivariate one in the launchers' list form: as many entries as it has, from the first.
template <int Set>
void LaunchRandSamp(IGlobal* global, UINT command, UINT caption) {
    if (!global || !global->QueryCurrentModule())
        return;
    if (Set == DistribSet::Multivariate)
        CDistribData::SetDistribSetList(Set, static_cast<int>(CDistribData::SetIndexes(Set).size()));
    else
        CDistribData::SetDistribSet(Set);
    LaunchDialog<CRandSampData, CRandSampDlg>(global, command, caption);
}

std::vector<MenuRow> Rows() {
    return {
        {1002, 1002, MenuRule::Standard, LaunchFitting<DistribSet::Continuous>, CFittingData::kContinuous},
        {1003, 1003, MenuRule::Standard, LaunchFitting<DistribSet::Discrete>, CFittingData::kDiscrete},
        {1034, 1034, MenuRule::Always, LaunchRandSamp<DistribSet::Multivariate>,
         CRandSampData::kMultivariate},
        {1035, 1035, MenuRule::Always, LaunchRandSamp<DistribSet::Continuous>, CRandSampData::kContinuous},
        {1036, 1036, MenuRule::Always, LaunchRandSamp<DistribSet::Discrete>, CRandSampData::kDiscrete},
        {1056, 1056, MenuRule::Always, LaunchProbability<DistribSet::Continuous>,
         CProbabilityData::kContinuous},
        {1057, 1057, MenuRule::Always, LaunchProbability<DistribSet::Discrete>, CProbabilityData::kDiscrete},
    };
}

}  // namespace

CMonteCarloMsg::CMonteCarloMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CMonteCarloMsg>(Rows()), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"MonteCarloMsg.cpp", 36).DoPrint();
}
