#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Fourier analysis of at most two series.
class CFourierData : public CRecordOptions<CFourierData> {
public:
    static constexpr int kMaximumLag = 50;
    // The dialog lets at most this many series into the selected list.
    static constexpr int kMaximumSelected = 2;

    // No number of lags until the user gives one: 0, not range-checked (second mark 2).
    static CGUIData<int> GetDefaultLagEdit();
    static int GetDefaultSaveFileCheck() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }
    // The most lags the data allows: int(cases / 2) + 1, at most 50.
    static int GetUpperLimitLagEdit();
    static int GetFourierNonMissingCases();

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, LagEdit, SaveFileCheck, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> LagEdit = GetDefaultLagEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
