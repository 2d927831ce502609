#pragma once

#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// Seasonal adjustment of one or more series.
class CSeasonalData : public CGUIBaseObj {
public:
    // Radio group of the kind of seasonal term and its two buttons.
    static constexpr UINT kTermRadioGroup = 4315;
    static constexpr UINT kAdditiveItem = 4315;
    static constexpr UINT kMultiplicativeItem = 4317;
    static constexpr int kDefaultSeasonLength = 12;
    static constexpr int kMinimumSeasonLength = 2;

    CSeasonalData();

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

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariable, CGUIData<int>& season,
               int& termCheck, int& saveFileCheck, int& additiveRadio, CString& saveFileEdit) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariable,
               const CGUIData<int>& season, int termCheck, int saveFileCheck, int additiveRadio,
               const CString& saveFileEdit);

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> SeasonEdit;
    int TermCheck;
    int SaveFileCheck;
    int AdditiveRadio;
    CString SaveFileEdit;
};
