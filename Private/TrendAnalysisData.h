#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define TREND_ANALYSIS_OPTIONS(LIST, OPTION)  \
    LIST(ListOfVariablesList)                 \
    LIST(SeriesVariableList)                  \
    LIST(TimeVariableList)                    \
    LIST(SeasonVariableList)                  \
    OPTION(CGUIData<double>, ConfiEdit, 0.95) \
    OPTION(int, TestsSkCheck, 1)              \
    OPTION(int, TestsMkCheck, 0)              \
    OPTION(int, TestsHomogeneityCheck, 0)     \
    OPTION(int, SlopeCheck, 0)                \
    OPTION(int, TestsMkRadio, 0)              \
    OPTION(int, AlternativeCombo, 0)

// Nonparametric trend tests: Mann-Kendall ("MKTEST ") or the seasonal test ("STEST ") with its
// homogeneity tests, optionally with a slope estimate, against a chosen alternative.
class CTrendAnalysisData : public CRecordOptions<CTrendAnalysisData> {
public:
    static constexpr UINT kTestRadioGroup = 5306;
    static constexpr UINT kMannKendallItem = 5306;
    static constexpr UINT kSeasonalItem = 5307;
    static constexpr UINT kAlternativeCombo = 5291;
    static constexpr int kAlternativeCount = 3;

    // The string resource of an alternative (index 0 to 2); any other index is a programming error,
    // reported, and gives 0.
    static UINT GetAlternativeComboIDS(int index);
    // The command text of an alternative into `text`.
    static void GetAlternativeComboCommand(int index, CString& text);

    TVK_OPTIONS(TREND_ANALYSIS_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
