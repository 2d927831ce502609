#pragma once

#include "Records/SeriesSmoothData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Smoothing of series by a running mean, a running median or given weights.
class CSeriesSmoothData : public CRecordOptions<CSeriesSmoothData>, public CSeriesSmoothDataValues {
public:
    TVK_OPTIONS(SERIES_SMOOTH_OPTIONS)

    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
