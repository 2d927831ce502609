#pragma once

#include "Records/TimeData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Time labels of the data's time axis: starting year, observations per year, position of the first
// observation within the period, and the date format. No variable lists.
class CTimeData : public CRecordOptions<CTimeData>, public CTimeDataValues {
public:
    TVK_OPTIONS(TIME_OPTIONS)

    // Whether a period is one of 1, 2, 3, 4, 6, 12, 52 and 365 observations per year.
    static bool IsUsualPeriod(int period);
    CGUIData<int> GetPeriodEdit() const { return PeriodEdit; }

    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
