#include "Msg/NonparametricTestsMsg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1013, 1019, MenuRule::Standard, nullptr, 0},
        {1089, 1090, MenuRule::Standard, nullptr, 0},
    };
}

}  // namespace

CNonparametricTestsMsg::CNonparametricTestsMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"NonparametricTestsMsg.cpp", 38).DoPrint();
}
