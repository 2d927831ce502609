#include "Msg/DescriptiveStatisticsMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CDescriptiveStatisticsMsg::CDescriptiveStatisticsMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"DescriptiveStatisticsMsg.cpp", 32).DoPrint();
}

BOOL CDescriptiveStatisticsMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CDescriptiveStatisticsMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
