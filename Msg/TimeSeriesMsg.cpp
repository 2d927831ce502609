#include "Msg/TimeSeriesMsg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1042, 1043, MenuRule::Standard, nullptr, 0},
        {1046, 1046, MenuRule::Standard, nullptr, 0},
    };
}

}  // namespace

CTimeSeriesMsg::CTimeSeriesMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CTimeSeriesMsg>(Rows()), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TimeSeriesMsg.cpp", 40).DoPrint();
}

bool CTimeSeriesMsg::OnOwnCommand(UINT did) {
    const wchar_t* second = did == 1042   ? L"CLEAR"
                            : did == 1043 ? L"MISSING DELETE"
                            : did == 1046 ? L"MISSING INTERPOLATE"
                                          : nullptr;
    if (!second)
        return false;
    IGlobal* global = GetGlobal();
    global->SubmitCommandLine(global->IsCurrentModule(L"SERIES") ? L"Rem SERIES" : L"SERIES", 0, 2);
    global->SubmitCommandLine(second, 0, 2);
    return true;
}

void CTimeSeriesMsg::OnUpdateOwnCommand(UINT did, CCmdUI* cmdUI) {
    IGlobal* global = GetGlobal();
    if ((did == 1039 || did == 1041 || did == 1048) && global->GetDataCount(0, true, -1) <= 1)
        cmdUI->Enable(0);
    if (did == 1043)
        cmdUI->SetCheck(global->GetInterpolationSetting() ? 0 : 1);
    if (did == 1046)
        cmdUI->SetCheck(global->GetInterpolationSetting() ? 1 : 0);
}
