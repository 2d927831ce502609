#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define ACF_OPTIONS(LIST, OPTION)                   \
    LIST(ListOfVariablesList)                       \
    LIST(SelectedVariablesList)                     \
    OPTION(CGUIData<int>, EditLagEdit, kMaximumLag) \
    OPTION(CString, SaveFileEdit)                   \
    OPTION(int, SaveFileCheck, 0)

// Autocorrelation (variant 0), partial autocorrelation (2227) and time series plot (2300).
class CAcfData : public CRecordOptions<CAcfData> {
public:
    static constexpr UINT kVariantPacf = 2227;
    static constexpr UINT kVariantTplot = 2300;
    static constexpr int kMaximumLag = 50;

    TVK_OPTIONS(ACF_OPTIONS)

    // min(cases - 1, 50).
    static int GetMaximumLagValue();

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
