#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The starting year has no default: it stays blank (second mark 1) until the user gives one.
#define TIME_OPTIONS(LIST, OPTION)                         \
    OPTION(CGUIData<int>, OriginEdit, MarkedDefault(0, 1)) \
    OPTION(CGUIData<int>, PeriodEdit, 1)                   \
    OPTION(CGUIData<int>, FirstEdit, 1)                    \
    OPTION(int, DateFormatCombo, 0)

// Time labels of the data's time axis: starting year, observations per year, position of the first
// observation within the period, and the date format. No variable lists.
class CTimeData : public CRecordOptions<CTimeData> {
public:
    static constexpr UINT kDateFormatCombo = 5240;
    static constexpr int kMinimumYear = 1900;
    static constexpr int kMaximumYear = 9980;
    // Warning for a period that is none of the usual ones.
    static constexpr UINT kUnusualPeriodMessage = 12849;

    TVK_OPTIONS(TIME_OPTIONS)

    // Whether a period is one of 1, 2, 3, 4, 6, 12, 52 and 365 observations per year.
    static bool IsUsualPeriod(int period);
    CGUIData<int> GetPeriodEdit() const { return PeriodEdit; }

    void Serialize(CArchive& ar) override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
