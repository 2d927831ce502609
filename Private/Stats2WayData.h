#pragma once

#include "Records/Stats2WayData.h"
#include "TvkBaseGui/CRecordOptions.h"

class CXTab2WayTabData;

// The measures-of-association page of the two-way tables composite and of the standardized multiway
// composite. It writes no line of its own: its keywords join the print-option line ("PLENGTH NONE")
// and, when an interval measure is asked for, its confidence clause joins the line holding "TABULATE".
//
// The standardized composite writes its table line as "STD ", so no line holds "TABULATE" there: the
// line search gives -1 and CStringUtil::ConcatStringAt drops a clause for line -1. The standardized
// tables therefore never carry the measures' confidence clause; the keywords still join the print line.
class CStats2WayData : public CRecordOptions<CStats2WayData> {
public:
    TVK_OPTIONS(STATS2WAY_OPTIONS)

    // Whether a measure with a confidence interval is asked for.
    bool AnyIntervalMeasure() const;

    using CGUIBaseObj::GetParent;
    // The two-way composite the page sits in; a page outside one is reported and gets null.
    void GetParent(CXTab2WayTabData*& parent) const;

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void GetCommandInfoList(CCmdList& lines) const override;
};
