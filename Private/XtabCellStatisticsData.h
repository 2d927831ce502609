#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define XTAB_CELL_STATISTICS_OPTIONS(LIST, OPTION) \
    OPTION(int, MinimumCheck, 0)                   \
    OPTION(int, MaximumCheck, 0)                   \
    OPTION(int, MeanCheck, 0)                      \
    OPTION(int, SdCheck, 0)                        \
    OPTION(int, RangeCheck, 0)                     \
    OPTION(int, VarianceCheck, 0)                  \
    OPTION(int, SumCheck, 0)                       \
    OPTION(int, MinimumCombo, 0)                   \
    OPTION(int, MeanCombo, 0)                      \
    OPTION(int, RangeCombo, 0)                     \
    OPTION(int, VarianceCombo, 0)                  \
    OPTION(int, MaximumCombo, 0)                   \
    OPTION(int, SdCombo, 0)                        \
    OPTION(int, SumCombo, 0)

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

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

protected:
    // The first line that begins "TABULATE ", or -1.
    static int GetHotCommandPosition(const CCmdList& lines);
};
