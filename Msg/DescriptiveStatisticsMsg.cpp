#include "Msg/DescriptiveStatisticsMsg.h"

#include "Private/StatisticsTabData.h"
#include "Private/StatisticsTabDlg.h"

namespace {

std::vector<MenuRow> Rows() {
    return {
        {1060, 1060, MenuRule::Standard, &LaunchDialog<CStatisticsTabData, CStatisticsTabDlg>,
         CStatisticsTabData::kCaptionID},
        {1061, 1061, MenuRule::Standard, &LaunchDialog<CColumnStemPlotTabData, CColumnStemPlotTabDlg>,
         CColumnStemPlotTabData::kCaptionID},
        {1062, 1062, MenuRule::Standard, &LaunchDialog<CRowStatisticsTabData, CRowStatisticsTabDlg>,
         CRowStatisticsTabData::kCaptionID},
        {1063, 1063, MenuRule::Standard, &LaunchDialog<CRowStemPlotTabData, CRowStemPlotTabDlg>,
         CRowStemPlotTabData::kCaptionID},
    };
}

}  // namespace

CDescriptiveStatisticsMsg::CDescriptiveStatisticsMsg(IGlobal* global)
    : CMenuGroupTable(global, WithRegisteredRows<CDescriptiveStatisticsMsg>(Rows()), true) {
    if (!GetGlobal())
        CTvkAssertDlg(L"DescriptiveStatisticsMsg.cpp", 32).DoPrint();
}
