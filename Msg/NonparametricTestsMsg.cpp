#include "Msg/NonparametricTestsMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CNonparametricTestsMsg::CNonparametricTestsMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"NonparametricTestsMsg.cpp", 38).DoPrint();
}

BOOL CNonparametricTestsMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CNonparametricTestsMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
