#include "Msg/MonteCarloMsg.h"

#include "Msg/OpenProcedures.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1002, 1003, MenuRule::Standard, nullptr, 0},
        {1034, 1036, MenuRule::Always, nullptr, 0},
        {1056, 1057, MenuRule::Always, nullptr, 0},
        {1088, 1088, MenuRule::Always, &LaunchDialog<CRsMixtureData, CRsMixtureDlg>, 0},
    };
}

}  // namespace

CMonteCarloMsg::CMonteCarloMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"MonteCarloMsg.cpp", 36).DoPrint();
}
