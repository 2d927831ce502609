#pragma once

#include <iterator>
#include "Private/Stats2WayData.h"

#include "Templates/2231_stats2way.h"
#include "TvkBaseGui/CRecordDlg.h"

// The measures-of-association page of the two-way and standardized multiway composites.
class CStats2WayDlg : public CRecordDlg<CStats2WayData>, public Template2231 {
public:
    // The measures' check boxes, in the record's order.
    static constexpr UINT kMeasureChecks[] = {4804, 4815, 4797, 4803, 4816, 4791, 4802, 4792, 4805, 4796,
                                              4795, 4814, 4799, 4801, 4810, 4798, 4800, 4811, 4809};

    TVK_DIALOG(CStats2WayDlg, DoDataExchange, UpdateDependentWindows);
};
static_assert(std::size(CStats2WayDlg::kMeasureChecks) == 19);
