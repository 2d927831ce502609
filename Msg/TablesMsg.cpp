#include "Msg/TablesMsg.h"

#include "Private/LogLinTabDlg.h"
#include "Private/XTabTabDlg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1004, 1004, MenuRule::Standard, &LaunchDialog<CLogLinTabData, CLogLinTabDlg>,
         CLogLinTabData::kCaptionID},
        {1064, 1064, MenuRule::Standard, &LaunchDialog<CXTab1WayTabData, CXTab1WayTabDlg>,
         CXTab1WayTabData::kCaptionID},
        {1065, 1065, MenuRule::Standard, &LaunchDialog<CXTabNWayTabData, CXTabNWayTabDlg>,
         CXTabNWayTabData::kCaptionID},
        {1066, 1066, MenuRule::Standard, &LaunchDialog<CXTab2WayTabData, CXTab2WayTabDlg>,
         CXTab2WayTabData::kCaptionID},
        {1087, 1087, MenuRule::Standard, &LaunchDialog<CXtabMultiwayTabData, CXtabMultiwayTabDlg>,
         CXtabMultiwayTabData::kCaptionID},
    };
}

}  // namespace

CTablesMsg::CTablesMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CTablesMsg>(Rows()), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"TablesMsg.cpp", 35).DoPrint();
}

void CTablesMsg::OnUpdateOwnCommand(UINT did, CCmdUI* cmdUI) {
    // The standardized tables need more than two variables.
    if (did == 1087 && GetGlobal()->GetDataCount() <= 2)
        cmdUI->Enable(0);
}
