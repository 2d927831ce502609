#include "Msg/MonteCarloMsg.h"

#include "Msg/OpenProcedures.h"
#include "Private/DistribData.h"
#include "Private/ProbabilityDlg.h"

namespace {

// The probability calculators: the catalogue's set first (0 continuous, 1 discrete), then the dialog.
template <int Set>
void LaunchProbability(IGlobal* global, UINT command, UINT caption) {
    CDistribData::SetDistribSet(Set);
    LaunchDialog<CProbabilityData, CProbabilityDlg>(global, command, caption);
}

std::vector<MenuRow> Rows() {
    return {
        {1002, 1003, MenuRule::Standard, nullptr, 0},
        {1034, 1036, MenuRule::Always, nullptr, 0},
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
