#include "Msg/TestingHypothesesMsg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1070, 1083, MenuRule::Standard, nullptr, 0},
    };
}

}  // namespace

CTestingHypothesesMsg::CTestingHypothesesMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TestingHypothesesMsg.cpp", 35).DoPrint();
}
