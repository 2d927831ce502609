#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"

// Fourier analysis of at most two series.
class CFourierData : public CGUIBaseObj {
public:
    static constexpr int kMaximumLag = 50;
    // The dialog lets at most this many series into the selected list.
    static constexpr int kMaximumSelected = 2;

    CFourierData();

    // No number of lags until the user gives one: 0, not range-checked (second mark 2).
    static CGUIData<int> GetDefaultLagEdit();
    static int GetDefaultSaveFileCheck() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }
    // The most lags the data allows: int(cases / 2) + 1, at most 50.
    static int GetUpperLimitLagEdit();
    static int GetFourierNonMissingCases();

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariables, CGUIData<int>& lag,
               int& saveFileCheck, CString& saveFileEdit) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariables,
               const CGUIData<int>& lag, int saveFileCheck, const CString& saveFileEdit);

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> LagEdit;
    int SaveFileCheck;
    CString SaveFileEdit;
};
