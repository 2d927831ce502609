#pragma once

#include "Records/ArimaData.h"
#include "TvkBaseGui/CRecordOptions.h"

// ARIMA model of one series, with optional forecasts.
class CArimaData : public CRecordOptions<CArimaData>, public CArimaDataValues {
public:
    TVK_OPTIONS(ARIMA_OPTIONS)

    // The season length before each opening: the series module's, or 1 without one.
    static CGUIData<int> GetReassignedDefaultSeasonPerEdit();

    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
