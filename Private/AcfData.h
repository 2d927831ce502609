#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"

// Autocorrelation (variant 0), partial autocorrelation (2227) and time series plot (2300).
class CAcfData : public CGUIBaseObj {
public:
    static constexpr UINT kVariantPacf = 2227;
    static constexpr UINT kVariantTplot = 2300;
    static constexpr int kMaximumLag = 50;

    CAcfData();

    static CGUIData<int> GetDefaultEditLagEdit() { return CGUIData<int>(kMaximumLag); }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultSaveFileCheck() { return 0; }
    // min(cases - 1, 50).
    static int GetMaximumLagValue();

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariables, CGUIData<int>& editLag,
               CString& saveFileEdit, int& saveFileCheck) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariables,
               const CGUIData<int>& editLag, const CString& saveFileEdit, int saveFileCheck);

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariablesList;
    CGUIData<int> EditLagEdit;
    CString SaveFileEdit;
    int SaveFileCheck;
};
