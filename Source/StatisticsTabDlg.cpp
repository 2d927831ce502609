#include "Private/StatisticsTabDlg.h"

#include <iterator>

namespace {

template <class Tab>
const CTabDlgBase::PageCaptionTable& CaptionsOf() {
    static const CTabDlgBase::PageCaptionTable table{
        {Tab::kCaptionID, std::vector<UINT>(std::begin(Tab::kPageIDs), std::end(Tab::kPageIDs))}};
    return table;
}

}  // namespace

const CTabDlgBase::PageCaptionTable& CStatisticsTabDlg::GetPageCaptions() const {
    return CaptionsOf<CStatisticsTabData>();
}

const CTabDlgBase::PageCaptionTable& CRowStatisticsTabDlg::GetPageCaptions() const {
    return CaptionsOf<CRowStatisticsTabData>();
}

const CTabDlgBase::PageCaptionTable& CColumnStemPlotTabDlg::GetPageCaptions() const {
    return CaptionsOf<CColumnStemPlotTabData>();
}

const CTabDlgBase::PageCaptionTable& CRowStemPlotTabDlg::GetPageCaptions() const {
    return CaptionsOf<CRowStemPlotTabData>();
}
