#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Autocorrelation (variant 0), partial autocorrelation (2227) and time series plot (2300).
class CAcfData : public CRecordOptions<CAcfData> {
public:
    static constexpr UINT kVariantPacf = 2227;
    static constexpr UINT kVariantTplot = 2300;
    static constexpr int kMaximumLag = 50;

    static CGUIData<int> GetDefaultEditLagEdit() { return CGUIData<int>(kMaximumLag); }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultSaveFileCheck() { return 0; }
    // min(cases - 1, 50).
    static int GetMaximumLagValue();

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariablesList, EditLagEdit, SaveFileEdit, SaveFileCheck);
    }

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariablesList;
    CGUIData<int> EditLagEdit = GetDefaultEditLagEdit();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
};
