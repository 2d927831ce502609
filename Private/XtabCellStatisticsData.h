#pragma once

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
    static int GetDefaultMinimumCheck() { return 0; }
    static int GetDefaultMaximumCheck() { return 0; }
    static int GetDefaultMeanCheck() { return 0; }
    static int GetDefaultSdCheck() { return 0; }
    static int GetDefaultRangeCheck() { return 0; }
    static int GetDefaultVarianceCheck() { return 0; }
    static int GetDefaultSumCheck() { return 0; }
    static int GetDefaultMinimumCombo() { return 0; }
    static int GetDefaultMeanCombo() { return 0; }
    static int GetDefaultRangeCombo() { return 0; }
    static int GetDefaultVarianceCombo() { return 0; }
    static int GetDefaultMaximumCombo() { return 0; }
    static int GetDefaultSdCombo() { return 0; }
    static int GetDefaultSumCombo() { return 0; }

    auto Options() {
        return std::tie(MinimumCheck, MaximumCheck, MeanCheck, SdCheck, RangeCheck, VarianceCheck, SumCheck,
                        MinimumCombo, MeanCombo, RangeCombo, VarianceCombo, MaximumCombo, SdCombo, SumCombo);
    }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    int MinimumCheck = GetDefaultMinimumCheck();
    int MaximumCheck = GetDefaultMaximumCheck();
    int MeanCheck = GetDefaultMeanCheck();
    int SdCheck = GetDefaultSdCheck();
    int RangeCheck = GetDefaultRangeCheck();
    int VarianceCheck = GetDefaultVarianceCheck();
    int SumCheck = GetDefaultSumCheck();
    int MinimumCombo = GetDefaultMinimumCombo();
    int MeanCombo = GetDefaultMeanCombo();
    int RangeCombo = GetDefaultRangeCombo();
    int VarianceCombo = GetDefaultVarianceCombo();
    int MaximumCombo = GetDefaultMaximumCombo();
    int SdCombo = GetDefaultSdCombo();
    int SumCombo = GetDefaultSumCombo();

protected:
    // The first line that begins "TABULATE ", or -1.
    static int GetHotCommandPosition(const CCmdList& lines);
};
