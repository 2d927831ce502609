#include "Msg/Stat1SingleMenuItemsMsg.h"

#include "Msg/OpenProcedures.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1001, 1001, MenuRule::Standard, &LaunchDialog<CConjointTabData, CConjointTabDlg>,
         CConjointTabData::kCaptionID},
        {1033, 1033, MenuRule::Free, &LaunchDialog<CRamonaTabData, CRamonaTabDlg>,
         CRamonaTabData::kCaptionID},
        {1055, 1055, MenuRule::Standard, &LaunchDialog<CSpatialTabData, CSpatialTabDlg>,
         CSpatialTabData::kCaptionID},
    };
}

}  // namespace

CStat1SingleMenuItemsMsg::CStat1SingleMenuItemsMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CStat1SingleMenuItemsMsg>(Rows()), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"Stat1SingleMenuItemsMsg.cpp", 35).DoPrint();
}
