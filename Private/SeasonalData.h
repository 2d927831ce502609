#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Seasonal adjustment of one or more series.
class CSeasonalData : public CRecordOptions<CSeasonalData> {
public:
    // Radio group of the kind of seasonal term and its two buttons.
    static constexpr UINT kTermRadioGroup = 4315;
    static constexpr UINT kAdditiveItem = 4315;
    static constexpr UINT kMultiplicativeItem = 4317;
    static constexpr int kDefaultSeasonLength = 12;
    static constexpr int kMinimumSeasonLength = 2;

    static CGUIData<int> GetDefaultSeasonEdit() { return CGUIData<int>(kDefaultSeasonLength); }
    static int GetDefaultTermCheck() { return 0; }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultAdditiveRadio() { return 1; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    // The longest season the data allows: the row count divided by 3, truncated.
    static int GetMaximumSeasonLength();
    // The season length before each opening (also the exponential smoothing period): the series
    // module's period, or 12 without one; a period of 1 means "none" and gives 12; capped at
    // GetMaximumSeasonLength. The default mark stays set only where the value is still the default.
    static CGUIData<int> GetReassignedDefaultSeasonEdit();

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, SeasonEdit, TermCheck, SaveFileCheck,
                        AdditiveRadio, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> SeasonEdit = GetDefaultSeasonEdit();
    int TermCheck = GetDefaultTermCheck();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    int AdditiveRadio = GetDefaultAdditiveRadio();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
