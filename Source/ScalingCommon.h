#pragma once

#include "Private/TabDlg.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// The source list of the scaling and single-item records: the data's numeric variables, nothing
// pre-selected (these procedures need several variables, and no first one is the obvious choice).
void FillNumericSource(CGUIBaseObj& record, CVariableList& source);

// The caption table of a composite that gives its pages no captions of their own.
template <class Tab>
const CTabDlgBase::PageCaptionTable& PlainPageCaptions() {
    static const CTabDlgBase::PageCaptionTable table{
        {Tab::kCaptionID, std::vector<UINT>(static_cast<std::size_t>(Tab::kPageCount), 0)}};
    return table;
}
