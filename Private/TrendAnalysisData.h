#pragma once

#include "Records/TrendAnalysisData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Nonparametric trend tests: Mann-Kendall ("MKTEST ") or the seasonal test ("STEST ") with its
// homogeneity tests, optionally with a slope estimate, against a chosen alternative.
class CTrendAnalysisData : public CRecordOptions<CTrendAnalysisData>, public CTrendAnalysisDataValues {
public:
    // The string resource of an alternative (index 0 to 2); any other index is a programming error,
    // reported, and gives 0.
    static UINT GetAlternativeComboIDS(int index);
    // The command text of an alternative into `text`.
    static void GetAlternativeComboCommand(int index, CString& text);

    TVK_OPTIONS(TREND_ANALYSIS_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
