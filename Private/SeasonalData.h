#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define SEASONAL_OPTIONS(LIST, OPTION)                      \
    LIST(ListOfVariablesList)                               \
    LIST(SelectedVariableList)                              \
    OPTION(CGUIData<int>, SeasonEdit, kDefaultSeasonLength) \
    OPTION(int, TermCheck, 0)                               \
    OPTION(int, SaveFileCheck, 0)                           \
    OPTION(int, AdditiveRadio, 1)                           \
    OPTION(CString, SaveFileEdit)

// Seasonal adjustment of one or more series.
class CSeasonalData : public CRecordOptions<CSeasonalData> {
public:
    // Radio group of the kind of seasonal term and its two buttons.
    static constexpr UINT kTermRadioGroup = 4315;
    static constexpr UINT kAdditiveItem = 4315;
    static constexpr UINT kMultiplicativeItem = 4317;
    static constexpr int kDefaultSeasonLength = 12;
    static constexpr int kMinimumSeasonLength = 2;

    TVK_OPTIONS(SEASONAL_OPTIONS)

    // The longest season the data allows: the row count divided by 3, truncated.
    static int GetMaximumSeasonLength();
    // The season length before each opening (also the exponential smoothing period): the series
    // module's period, or 12 without one; a period of 1 means "none" and gives 12; capped at
    // GetMaximumSeasonLength. The default mark stays set only where the value is still the default.
    static CGUIData<int> GetReassignedDefaultSeasonEdit();

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
