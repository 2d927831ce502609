#include "Msg/NonparametricTestsMsg.h"

#include "Private/TestTabDlg.h"

namespace {

// A composite whose page serves one test, launched with its own caption.
template <class Tab, class Dialog>
MenuRow Row(UINT did) {
    return {did, did, MenuRule::Standard, &LaunchDialog<Tab, Dialog>, Tab::kCaptionID};
}

std::vector<MenuRow> Rows() {
    return {
        Row<CFriedManTabData, CFriedManTabDlg>(1013),
        Row<CTwoSampleKSTabData, CTwoSampleKSTabDlg>(1014),
        {1015, 1015, MenuRule::Standard, nullptr, 0},
        {1016, 1016, MenuRule::Standard, &LaunchDialog<CKwTabData, CKwTabDlg>, 2110},
        Row<CRunsTabData, CRunsTabDlg>(1017),
        Row<CSignTabData, CSignTabDlg>(1018),
        Row<CWilcoxonTabData, CWilcoxonTabDlg>(1019),
        {1089, 1089, MenuRule::Standard, nullptr, 0},
        Row<CQuadeTabData, CQuadeTabDlg>(1090),
    };
}

}  // namespace

CNonparametricTestsMsg::CNonparametricTestsMsg(IGlobal* global) : CMenuGroupTable(global, Rows(), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"NonparametricTestsMsg.cpp", 38).DoPrint();
}
