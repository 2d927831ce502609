#include "Msg/NonparametricTestsMsg.h"

#include "Private/DistribData.h"
#include "Private/OneSampleKSDlg.h"
#include "Private/TestTabDlg.h"

namespace {

// A composite whose page serves one test, launched with its own caption.
template <class Tab, class Dialog>
MenuRow Row(UINT did) {
    return {did, did, MenuRule::Standard, &LaunchDialog<Tab, Dialog>, Tab::kCaptionID};
}

// The one-sample distribution tests: the tests' catalogue shows all its entries first.
template <class Tab, class Dialog>
void LaunchDistributionTest(IGlobal* global, UINT command, UINT caption) {
    CDistribKSData::SetDistribSetList(DistribSet::Univariate, CDistribKSData::GetDistribCount());
    LaunchDialog<Tab, Dialog>(global, command, caption);
}

template <class Tab, class Dialog>
MenuRow DistributionTestRow(UINT did) {
    return {did, did, MenuRule::Standard, &LaunchDistributionTest<Tab, Dialog>, Tab::kCaptionID};
}

std::vector<MenuRow> Rows() {
    return {
        Row<CFriedManTabData, CFriedManTabDlg>(1013),
        Row<CTwoSampleKSTabData, CTwoSampleKSTabDlg>(1014),
        DistributionTestRow<COneSampleKSTabData, COneSampleKSTabDlg>(1015),
        {1016, 1016, MenuRule::Standard, &LaunchDialog<CKwTabData, CKwTabDlg>, 2110},
        Row<CRunsTabData, CRunsTabDlg>(1017),
        Row<CSignTabData, CSignTabDlg>(1018),
        Row<CWilcoxonTabData, CWilcoxonTabDlg>(1019),
        DistributionTestRow<CADTestTabData, CADTestTabDlg>(1089),
        Row<CQuadeTabData, CQuadeTabDlg>(1090),
    };
}

}  // namespace

CNonparametricTestsMsg::CNonparametricTestsMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CNonparametricTestsMsg>(Rows()), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"NonparametricTestsMsg.cpp", 38).DoPrint();
}
