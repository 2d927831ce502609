#include "Msg/ScaleMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CScaleMsg::CScaleMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"ScaleMsg.cpp", 33).DoPrint();
}

BOOL CScaleMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CScaleMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
