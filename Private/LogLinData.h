#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The model page of the loglinear composite: the table's factors, the model to fit (terms built from the
// factors, or a typed model), the estimation settings and an optional save file.
//
// A model term is kept as a variable whose name is the term's text: "A" (a main effect), "A*B" (the
// interaction of A and B), "A#B" (A*B with every lower-order term it contains, the full factorial of
// A and B); a term that begins with "-" leaves that term out of the model the terms before it make.
// Check 1273 (ExcludeTermsCheck) makes the term buttons add their terms as such exclusions. Joined with
// "+", an exclusion reads "A#B-A*B".
//
// Delta (a constant added to every cell before fitting) and the order (the term buttons' interaction
// order) hold for one session: neither is archived, and a record read back from a store has them at
// their defaults (OnReadBack), also when it is read into a record that held others.
class CLogLinData : public CRecordOptions<CLogLinData> {
public:
    static constexpr UINT kSaveTypeCombo = 1270;
    static constexpr UINT kModelRadioGroup = 1272;
    static constexpr UINT kModelTermsItem = 1272;
    static constexpr UINT kTypedModelItem = 1211;

    static CGUIData<double> GetDefaultConvergenceEdit() { return CGUIData<double>(0.0001); }
    static CGUIData<double> GetDefaultLconvergenceEdit() { return CGUIData<double>(0.000001); }
    static CGUIData<double> GetDefaultToleranceEdit() { return CGUIData<double>(0.001); }
    static CGUIData<int> GetDefaultIterationsEdit() { return CGUIData<int>(10); }
    static CGUIData<int> GetDefaultHalvingsEdit() { return CGUIData<int>(10); }
    static CGUIData<double> GetDefaultDeltaEdit() { return CGUIData<double>(0.0); }
    static int GetDefaultSaveCheck() { return 0; }
    static int GetDefaultSaveCombo() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultModelRadio() { return 0; }
    // No order: the term buttons take the selection as it is.
    static CGUIData<int> GetDefaultOrderEdit();
    static int GetDefaultExcludeTermsCheck() { return 0; }
    static CString GetDefaultCustomModelEdit() { return {}; }

    auto Options() {
        return std::tie(ListOfVariablesList, ModelTermsList, TableFactorsList, ConvergenceEdit,
                        LconvergenceEdit, ToleranceEdit, IterationsEdit, HalvingsEdit, DeltaEdit, SaveCheck,
                        SaveCombo, SaveFileEdit, ModelRadio, OrderEdit, ExcludeTermsCheck, CustomModelEdit);
    }

    void Serialize(CArchive& ar) override;
    void OnReadBack() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList ModelTermsList;
    CVariableList TableFactorsList;
    CGUIData<double> ConvergenceEdit = GetDefaultConvergenceEdit();
    CGUIData<double> LconvergenceEdit = GetDefaultLconvergenceEdit();
    CGUIData<double> ToleranceEdit = GetDefaultToleranceEdit();
    CGUIData<int> IterationsEdit = GetDefaultIterationsEdit();
    CGUIData<int> HalvingsEdit = GetDefaultHalvingsEdit();
    CGUIData<double> DeltaEdit = GetDefaultDeltaEdit();
    int SaveCheck = GetDefaultSaveCheck();
    int SaveCombo = GetDefaultSaveCombo();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int ModelRadio = GetDefaultModelRadio();
    CGUIData<int> OrderEdit = GetDefaultOrderEdit();
    int ExcludeTermsCheck = GetDefaultExcludeTermsCheck();
    CString CustomModelEdit = GetDefaultCustomModelEdit();
};
