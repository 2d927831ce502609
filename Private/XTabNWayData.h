#pragma once

#include "Private/TableOptions.h"
#include "Records/XTabNWayData.h"

// The table page of the multiway tables composite: row (and column) variables within strata.
class CXTabNWayData : public CRecordOptions<CXTabNWayData>, public CXTabNWayDataValues {
public:
    TVK_OPTIONS(XTABNWAY_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
