#pragma once

#include "Records/StemPlotData.h"
#include "TvkBaseGui/CRecordOptions.h"

// The stem-and-leaf page of the column (variant 2048, "CLSTEM ") and row (2273, "RWSTEM ") composites.
class CStemPlotData : public CRecordOptions<CStemPlotData>, public CStemPlotDataValues {
public:
    TVK_OPTIONS(STEM_PLOT_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
