#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// No number of lags until the user gives one: 0, not range-checked (second mark 2).
#define FOURIER_OPTIONS(LIST, OPTION)                   \
    LIST(ListOfVariablesList)                           \
    LIST(SelectedVariableList)                          \
    OPTION(CGUIData<int>, LagEdit, MarkedDefault(0, 2)) \
    OPTION(int, SaveFileCheck, 0)                       \
    OPTION(CString, SaveFileEdit)

// Fourier analysis of at most two series.
class CFourierData : public CRecordOptions<CFourierData> {
public:
    static constexpr int kMaximumLag = 50;
    // The dialog lets at most this many series into the selected list.
    static constexpr int kMaximumSelected = 2;

    TVK_OPTIONS(FOURIER_OPTIONS)

    // The most lags the data allows: int(cases / 2) + 1, at most 50.
    static int GetUpperLimitLagEdit();
    static int GetFourierNonMissingCases();

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
