#include "Msg/TablesMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CTablesMsg::CTablesMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TablesMsg.cpp", 35).DoPrint();
}

BOOL CTablesMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CTablesMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
