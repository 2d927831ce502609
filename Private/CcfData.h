#pragma once

#include "Records/CcfData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Cross-correlation of two series.
class CCcfData : public CRecordOptions<CCcfData>, public CCcfDataValues {
public:
    TVK_OPTIONS(CCF_OPTIONS)

    // A fresh holder of min(50, cases - 1): the lag every showing starts from.
    static CGUIData<int> GetReassignedDefaultLagEdit();

    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
