#pragma once

#include "Private/TableOptions.h"
#include "Records/XtabMultiwayStandData.h"

// The table page of the standardized multiway tables composite: tables of row (and column) variables
// within strata, standardized over the strata.
class CXtabMultiwayStandData : public CRecordOptions<CXtabMultiwayStandData>,
                               public CXtabMultiwayStandDataValues {
public:
    TVK_OPTIONS(XTAB_MULTIWAY_STAND_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
