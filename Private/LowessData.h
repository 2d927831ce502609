#pragma once

#include "Records/LowessData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Lowess smoothing: the series smoothing command with a lowess clause.
class CLowessData : public CRecordOptions<CLowessData>, public CLowessDataValues {
public:
    TVK_OPTIONS(LOWESS_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
