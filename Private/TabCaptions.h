#pragma once

#include <iterator>
#include <vector>

#include "Private/TabDlg.h"

// The caption table of a composite that accepts its one caption identifier (Tab::kCaptionID) and gives
// its pages the caption identifiers of Tab::kPageIDs.
template <class Tab>
const CTabDlgBase::PageCaptionTable& CaptionsOf() {
    static const CTabDlgBase::PageCaptionTable table{
        {Tab::kCaptionID, std::vector<UINT>(std::begin(Tab::kPageIDs), std::end(Tab::kPageIDs))}};
    return table;
}
