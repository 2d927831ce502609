#include "Msg/Stat1SingleMenuItemsMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CStat1SingleMenuItemsMsg::CStat1SingleMenuItemsMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"Stat1SingleMenuItemsMsg.cpp", 35).DoPrint();
}

BOOL CStat1SingleMenuItemsMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CStat1SingleMenuItemsMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
