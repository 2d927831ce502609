#pragma once

#include "Records/XTab1WayData.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkUseRes/ResourceTables.h"

// The table page of the one-way tables composite: frequency tables of each selected variable.
class CXTab1WayData : public CRecordOptions<CXTab1WayData>, public CXTab1WayDataValues {
public:
    TVK_OPTIONS(XTAB1WAY_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
