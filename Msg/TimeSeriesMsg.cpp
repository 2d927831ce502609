#include "Msg/TimeSeriesMsg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CTimeSeriesMsg::CTimeSeriesMsg(IGlobal* global) : CTKMsg(global) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TimeSeriesMsg.cpp", 40).DoPrint();
}

BOOL CTimeSeriesMsg::OnTKCommand(UINT command) {
    return CTKMsg::OnTKCommand(command);
}

void CTimeSeriesMsg::OnUpdateTKCommand(CCmdUI* cmdUI) {}
