#pragma once

#include "Records/AcfData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Autocorrelation (variant 0), partial autocorrelation (2227) and time series plot (2300).
class CAcfData : public CRecordOptions<CAcfData>, public CAcfDataValues {
public:
    TVK_OPTIONS(ACF_OPTIONS)

    // min(cases - 1, 50).
    static int GetMaximumLagValue();

    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
