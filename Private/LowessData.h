#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Lowess smoothing: the series smoothing command with a lowess clause.
class CLowessData : public CRecordOptions<CLowessData> {
public:
    static constexpr double kMinimumTension = 0.0;
    static constexpr double kMaximumTension = 1.0;

    static CGUIData<double> GetDefaultTensionEdit() { return CGUIData<double>(0.5); }
    static int GetDefaultSaveFileCheck() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, TensionEdit, SaveFileCheck, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<double> TensionEdit = GetDefaultTensionEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
