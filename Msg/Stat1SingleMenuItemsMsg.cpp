#include "Msg/Stat1SingleMenuItemsMsg.h"

#include "Msg/OpenProcedures.h"
#include "Private/MntestDlg.h"
#include "Private/SignalDlg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1001, 1001, MenuRule::Standard, &LaunchDialog<CConjointTabData, CConjointTabDlg>,
         CConjointTabData::kCaptionID},
        {1020, 1020, MenuRule::Standard, &LaunchDialog<CPermapData, CPermapDlg>, 0},
        {1033, 1033, MenuRule::Free, &LaunchDialog<CRamonaTabData, CRamonaTabDlg>,
         CRamonaTabData::kCaptionID},
        {1054, 1054, MenuRule::Free, &LaunchDialog<CSignalData, CSignalDlg>, 0},
        {1055, 1055, MenuRule::Standard, &LaunchDialog<CSpatialTabData, CSpatialTabDlg>,
         CSpatialTabData::kCaptionID},
        {1086, 1086, MenuRule::Standard, &LaunchDialog<CMntestData, CMntestDlg>, 0},
    };
}

}  // namespace

CStat1SingleMenuItemsMsg::CStat1SingleMenuItemsMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"Stat1SingleMenuItemsMsg.cpp", 35).DoPrint();
}
