#pragma once

#include "Records/SeasonalData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Seasonal adjustment of one or more series.
class CSeasonalData : public CRecordOptions<CSeasonalData>, public CSeasonalDataValues {
public:
    TVK_OPTIONS(SEASONAL_OPTIONS)

    // The longest season the data allows: the row count divided by 3, truncated.
    static int GetMaximumSeasonLength();
    // The season length before each opening (also the exponential smoothing period): the series
    // module's period, or 12 without one; a period of 1 means "none" and gives 12; capped at
    // GetMaximumSeasonLength. The default mark stays set only where the value is still the default.
    static CGUIData<int> GetReassignedDefaultSeasonEdit();

    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
