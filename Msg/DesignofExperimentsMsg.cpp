#include "Msg/DesignofExperimentsMsg.h"

#include "Private/PowerCorr2Data.h"
#include "Private/PowerCorr2Dlg.h"
#include "Private/PowerOneSampleData.h"
#include "Private/PowerOneSampleDlg.h"
#include "Private/PowerTwoSampleData.h"
#include "Private/PowerTwoSampleDlg.h"
#include "Private/PowerTwoWayData.h"
#include "Private/PowerTwoWayDlg.h"

namespace {

constexpr auto kOneSample = &LaunchDialog<CPowerOneSampleData, CPowerOneSampleDlg>;
constexpr auto kTwoSample = &LaunchDialog<CPowerTwoSampleData, CPowerTwoSampleDlg>;
constexpr auto kCorr2 = &LaunchDialog<CPowerCorr2Data, CPowerCorr2Dlg>;
constexpr auto kTwoWay = &LaunchDialog<CPowerTwoWayData, CPowerTwoWayDlg>;

std::vector<MenuRow> Rows() {
    return {
        {1021, 1021, MenuRule::Always, kOneSample, CPowerOneSampleData::kVariantCorr1},
        {1022, 1022, MenuRule::Always, kCorr2, CPowerCorr2Data::kVariantCorr2},
        {1024, 1024, MenuRule::Always, kOneSample, CPowerOneSampleData::kVariantT1},
        {1025, 1025, MenuRule::Always, kTwoWay, CPowerTwoWayData::kVariantOneWay},
        {1026, 1026, MenuRule::Always, kOneSample, CPowerOneSampleData::kVariantZ1},
        {1027, 1027, MenuRule::Always, kOneSample, CPowerOneSampleData::kVariantPaired},
        {1028, 1028, MenuRule::Always, kOneSample, CPowerOneSampleData::kVariantProp1},
        {1029, 1029, MenuRule::Always, kCorr2, CPowerCorr2Data::kVariantProp2},
        {1030, 1030, MenuRule::Always, kTwoSample, CPowerTwoSampleData::kVariantT2},
        {1031, 1031, MenuRule::Always, kTwoWay, CPowerTwoWayData::kVariantTwoWay},
        {1032, 1032, MenuRule::Always, kTwoSample, CPowerTwoSampleData::kVariantZ2},
        {1067, 1069, MenuRule::Never, nullptr, 0},
    };
}

}  // namespace

CDesignofExperimentsMsg::CDesignofExperimentsMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CDesignofExperimentsMsg>(Rows()), false) {
    if (!GetGlobal())
        CTvkAssertDlg(L"DesignofExperimentsMsg.cpp", 41).DoPrint();
}

bool CDesignofExperimentsMsg::OnOwnCommand(UINT did) {
    if (did < 1067 || did > 1069)
        return false;
    TKMessageBox(L"Message is not Handled", 0, 0);
    return true;
}
