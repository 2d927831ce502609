#include "Msg/DesignofExperimentsMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CDesignofExperimentsMsg::CDesignofExperimentsMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"DesignofExperimentsMsg.cpp", 41).DoPrint();
}

BOOL CDesignofExperimentsMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CDesignofExperimentsMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
