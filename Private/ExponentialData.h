#pragma once

#include "Records/ExponentialData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Exponential smoothing of series, with optional trend and seasonal components and forecasts.
class CExponentialData : public CRecordOptions<CExponentialData>, public CExponentialDataValues {
public:
    TVK_OPTIONS(EXPONENTIAL_OPTIONS)

    // The season period can be range-checked only when the data allows a period of 2 or more
    // (int(#cases/3) >= 2); with fewer rows there is no valid period and the check is left out.
    static bool IsSeasonPeriodRangeChecked();

    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
