#pragma once

#include "Records/LogLinStatsData.h"
#include "TvkBaseGui/CRecordOptions.h"

// The statistics page of the loglinear composite: what the fit prints. It writes no line of its own:
// its keywords join the print-option line ("PLENGTH NONE /") the model page wrote. The level of the
// parameters' intervals follows the keywords as " CONFI = " and the level when the parameters are asked
// for and the value rule writes it.
class CLogLinStatsData : public CRecordOptions<CLogLinStatsData> {
public:
    TVK_OPTIONS(LOGLIN_STATS_OPTIONS)

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void GetCommandInfoList(CCmdList& lines) const override;
};
