#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Tests of multivariate normality, with the cases' Mahalanobis distances saved on request.
class CMntestData : public CRecordOptions<CMntestData> {
public:
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultSaveFileCheck() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariablesList, SaveFileEdit, SaveFileCheck);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariablesList;
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
};
