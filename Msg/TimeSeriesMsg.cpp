#include "Msg/TimeSeriesMsg.h"

#include "Private/AcfData.h"
#include "Private/AcfDlg.h"
#include "Private/ArimaData.h"
#include "Private/ArimaDlg.h"
#include "Private/CcfData.h"
#include "Private/CcfDlg.h"
#include "Private/ExponentialData.h"
#include "Private/ExponentialDlg.h"
#include "Private/FourierData.h"
#include "Private/FourierDlg.h"
#include "Private/LowessData.h"
#include "Private/LowessDlg.h"
#include "Private/SeasonalData.h"
#include "Private/SeasonalDlg.h"
#include "Private/SeriesSmoothData.h"
#include "Private/SeriesSmoothDlg.h"
#include "Private/TimeData.h"
#include "Private/TimeDlg.h"
#include "Private/TransformData.h"
#include "Private/TransformDlg.h"
#include "Private/TrendAnalysisData.h"
#include "Private/TrendAnalysisDlg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1039, 1039, MenuRule::Standard, &LaunchDialog<CAcfData, CAcfDlg>, 0},
        {1040, 1040, MenuRule::Standard, &LaunchDialog<CArimaData, CArimaDlg>, 0},
        {1041, 1041, MenuRule::Standard, &LaunchDialog<CCcfData, CCcfDlg>, 0},
        {1042, 1043, MenuRule::Standard, nullptr, 0},
        {1044, 1044, MenuRule::Standard, &LaunchDialog<CExponentialData, CExponentialDlg>, 0},
        {1045, 1045, MenuRule::Standard, &LaunchDialog<CFourierData, CFourierDlg>, 0},
        {1046, 1046, MenuRule::Standard, nullptr, 0},
        {1047, 1047, MenuRule::Standard, &LaunchDialog<CLowessData, CLowessDlg>, 0},
        {1048, 1048, MenuRule::Standard, &LaunchDialog<CAcfData, CAcfDlg>, CAcfData::kVariantPacf},
        {1049, 1049, MenuRule::Standard, &LaunchDialog<CSeasonalData, CSeasonalDlg>, 0},
        {1050, 1050, MenuRule::Standard, &LaunchDialog<CSeriesSmoothData, CSeriesSmoothDlg>, 0},
        {1051, 1051, MenuRule::Standard, &LaunchDialog<CTimeData, CTimeDlg>, 0},
        {1052, 1052, MenuRule::Standard, &LaunchDialog<CAcfData, CAcfDlg>, CAcfData::kVariantTplot},
        {1053, 1053, MenuRule::Standard, &LaunchDialog<CTransformData, CTransformDlg>, 0},
        {1085, 1085, MenuRule::Standard, &LaunchDialog<CTrendAnalysisData, CTrendAnalysisDlg>, 0},
    };
}

}  // namespace

CTimeSeriesMsg::CTimeSeriesMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), true) {
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
