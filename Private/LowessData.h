#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"

// Lowess smoothing: the series smoothing command with a lowess clause.
class CLowessData : public CGUIBaseObj {
public:
    static constexpr double kMinimumTension = 0.0;
    static constexpr double kMaximumTension = 1.0;

    CLowessData();

    static CGUIData<double> GetDefaultTensionEdit() { return CGUIData<double>(0.5); }
    static int GetDefaultSaveFileCheck() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariables, CGUIData<double>& tension,
               int& saveFileCheck, CString& saveFileEdit) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariables,
               CGUIData<double> tension, int saveFileCheck, const CString& saveFileEdit);

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<double> TensionEdit;
    int SaveFileCheck;
    CString SaveFileEdit;
};
