#pragma once

#include "Private/TableOptions.h"
#include "Records/XTab2WayData.h"

// The table page of the two-way tables composite: the row variables crossed with the column variables.
class CXTab2WayData : public CRecordOptions<CXTab2WayData>, public CXTab2WayDataValues {
public:
    TVK_OPTIONS(XTAB2WAY_OPTIONS)

    int GetListLayoutCheck() const { return ListLayoutCheck; }

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
