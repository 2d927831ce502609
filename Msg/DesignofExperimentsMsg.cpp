#include "Msg/DesignofExperimentsMsg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1021, 1032, MenuRule::Always, nullptr, 0},
        {1067, 1069, MenuRule::Never, nullptr, 0},
        {1084, 1084, MenuRule::Always, nullptr, 0},
    };
}

}  // namespace

CDesignofExperimentsMsg::CDesignofExperimentsMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"DesignofExperimentsMsg.cpp", 41).DoPrint();
}

bool CDesignofExperimentsMsg::OnOwnCommand(UINT did) {
    if (did < 1067 || did > 1069)
        return false;
    TKMessageBox(L"Message is not Handled", 0, 0);
    return true;
}
