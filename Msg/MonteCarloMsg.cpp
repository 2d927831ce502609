#include "Msg/MonteCarloMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CMonteCarloMsg::CMonteCarloMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"MonteCarloMsg.cpp", 36).DoPrint();
}

BOOL CMonteCarloMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CMonteCarloMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
