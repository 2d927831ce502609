#include "Msg/ScaleMsg.h"

#include "Msg/OpenProcedures.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1012, 1012, MenuRule::Free, nullptr, 0},
        {1037, 1037, MenuRule::Standard, &LaunchDialog<CTestAtClTabData, CTestAtClTabDlg>,
         CTestAtClTabData::kCaptionID},
        {1038, 1038, MenuRule::Standard, &LaunchDialog<CTestAtLogTabData, CTestAtLogTabDlg>,
         CTestAtLogTabData::kCaptionID},
        {1058, 1058, MenuRule::Standard, nullptr, 0},
        {1059, 1059, MenuRule::Standard, &LaunchDialog<CPosacTabData, CPosacTabDlg>,
         CPosacTabData::kCaptionID},
    };
}

}  // namespace

CScaleMsg::CScaleMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"ScaleMsg.cpp", 33).DoPrint();
}
