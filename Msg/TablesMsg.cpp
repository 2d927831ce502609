#include "Msg/TablesMsg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1004, 1005, MenuRule::Standard, nullptr, 0},
        {1064, 1066, MenuRule::Standard, nullptr, 0},
        {1087, 1087, MenuRule::Standard, nullptr, 0},
        {1091, 1091, MenuRule::Standard, nullptr, 0},
    };
}

}  // namespace

CTablesMsg::CTablesMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TablesMsg.cpp", 35).DoPrint();
}

void CTablesMsg::OnUpdateOwnCommand(UINT did, CCmdUI* cmdUI) {
    if (did == 1087 && GetGlobal()->GetDataCount() <= 2)
        cmdUI->Enable(0);
}
