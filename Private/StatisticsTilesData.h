#pragma once

#include "Records/StatisticsTilesData.h"
#include "TvkBaseGui/CRecordOptions.h"

// The percentiles page of the column statistics (variant 2046) and row statistics (2271) composites. It
// writes no line of its own: its clauses join the statistics line the first page wrote.
class CStatisticsTilesData : public CRecordOptions<CStatisticsTilesData>, public CStatisticsTilesDataValues {
public:
    TVK_OPTIONS(STATISTICS_TILES_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
