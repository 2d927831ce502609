#include "Msg/ScaleMsg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1012, 1012, MenuRule::Free, nullptr, 0},
        {1037, 1038, MenuRule::Standard, nullptr, 0},
        {1058, 1059, MenuRule::Standard, nullptr, 0},
    };
}

}  // namespace

CScaleMsg::CScaleMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"ScaleMsg.cpp", 33).DoPrint();
}
