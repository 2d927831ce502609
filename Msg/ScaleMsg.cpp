#include "Msg/ScaleMsg.h"

#include "Msg/OpenProcedures.h"
#include "Private/CronbachDlg.h"
#include "Private/MdsDlg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1012, 1012, MenuRule::Free, &LaunchDialog<CMdsTabData, CMdsTabDlg>, CMdsTabData::kCaptionID},
        {1037, 1037, MenuRule::Standard, &LaunchDialog<CTestAtClTabData, CTestAtClTabDlg>,
         CTestAtClTabData::kCaptionID},
        {1038, 1038, MenuRule::Standard, &LaunchDialog<CTestAtLogTabData, CTestAtLogTabDlg>,
         CTestAtLogTabData::kCaptionID},
        {1058, 1058, MenuRule::Standard, &LaunchDialog<CCronbachTabData, CCronbachTabDlg>,
         CCronbachTabData::kCaptionID},
        {1059, 1059, MenuRule::Standard, &LaunchDialog<CPosacTabData, CPosacTabDlg>,
         CPosacTabData::kCaptionID},
    };
}

}  // namespace

CScaleMsg::CScaleMsg(IGlobal* global) : CMenuGroupTable(global, WithRegisteredRows<CScaleMsg>(Rows()), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"ScaleMsg.cpp", 33).DoPrint();
}
