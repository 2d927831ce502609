#include "Msg/TestingHypothesesMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CTestingHypothesesMsg::CTestingHypothesesMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TestingHypothesesMsg.cpp", 35).DoPrint();
}

BOOL CTestingHypothesesMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CTestingHypothesesMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
