#include "Msg/DescriptiveStatisticsMsg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1060, 1063, MenuRule::Standard, nullptr, 0},
    };
}

}  // namespace

CDescriptiveStatisticsMsg::CDescriptiveStatisticsMsg(IGlobal* global) : CTableMsg(global, Rows(), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"DescriptiveStatisticsMsg.cpp", 32).DoPrint();
}
