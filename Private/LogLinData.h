#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// OrderEdit starts at no order: the term buttons take the selection as it is.
#define LOGLIN_OPTIONS(LIST, OPTION)                      \
    LIST(ListOfVariablesList)                             \
    LIST(ModelTermsList)                                  \
    LIST(TableFactorsList)                                \
    OPTION(CGUIData<double>, ConvergenceEdit, 0.0001)     \
    OPTION(CGUIData<double>, LconvergenceEdit, 0.000001)  \
    OPTION(CGUIData<double>, ToleranceEdit, 0.001)        \
    OPTION(CGUIData<int>, IterationsEdit, 10)             \
    OPTION(CGUIData<int>, HalvingsEdit, 10)               \
    OPTION(CGUIData<double>, DeltaEdit, 0.0)              \
    OPTION(int, SaveCheck, 0)                             \
    OPTION(int, SaveCombo, 0)                             \
    OPTION(CString, SaveFileEdit)                         \
    OPTION(int, ModelRadio, 0)                            \
    OPTION(CGUIData<int>, OrderEdit, MarkedDefault(0, 2)) \
    OPTION(int, ExcludeTermsCheck, 0)                     \
    OPTION(CString, CustomModelEdit)

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

    TVK_OPTIONS(LOGLIN_OPTIONS)

    void Serialize(CArchive& ar) override;
    void OnReadBack() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
