#pragma once

#include "Records/XtabCellStatisticsData.h"
#include "TvkBaseGui/CRecordOptions.h"

// The cell statistics page of the one-way (variant 2366), two-way (2367) and multiway (2368) table
// composites: statistics of a numeric variable within each cell of the table. It writes no line of its
// own; its clauses join the table line the table page wrote before it.
//
// Each combo is an index into the data's numeric variables (the list that fills the dialog's combos);
// a statistic whose index lies outside the data's list now (a record kept from other data, or read
// before the data) is left out, as a dialog leaves out the variables the data lacks.
class CXtabCellStatisticsData : public CRecordOptions<CXtabCellStatisticsData> {
public:
    TVK_OPTIONS(XTAB_CELL_STATISTICS_OPTIONS)

    void GetCommandInfoList(CCmdList& lines) const override;

protected:
    // The first line that begins "TABULATE ", or -1.
    static int GetHotCommandPosition(const CCmdList& lines);
};
