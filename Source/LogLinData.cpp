#include "Private/LogLinData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

// Delta and the order are left out (see the class).
void CLogLinData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(SaveCheck, SaveCombo, SaveFileEdit, ModelRadio, ExcludeTermsCheck, CustomModelEdit,
          ListOfVariablesList);
    ar.IoNames(CArchive::TextKind::ModelTerm, ModelTermsList);
    ar.Io(TableFactorsList, ConvergenceEdit, LconvergenceEdit, ToleranceEdit, IterationsEdit, HalvingsEdit);
}

void CLogLinData::OnReadBack() {
    DeltaEdit = GetDefaultDeltaEdit();
    OrderEdit = GetDefaultOrderEdit();
}

void CLogLinData::FillListSource() {
    FillAllVariablesSource(*this, ListOfVariablesList);
}

void CLogLinData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kLogLinearModule, lines);
    if (SaveCheck == 1)
        AddSaveCmd(SaveFileEdit, lines, CComboUtil::GetComboString(kSaveTypeCombo, SaveCombo), CString());

    CString model = L"MODEL ";
    AddVariables(model, TableFactorsList, L"*");
    model += L" = ";
    const UINT kind = CRadioUtil::GetRadioItem(kModelRadioGroup, ModelRadio);
    if (kind == kModelTermsItem) {
        CString terms;
        AddVariables(terms, ModelTermsList, L"+");
        terms.Replace(L"+-", L"-");
        model += terms;
    } else if (kind == kTypedModelItem) {
        model += CustomModelEdit;
    } else {
        CTvkAssertDlg(L"LogLinData.cpp", __LINE__).DoPrint();
    }
    lines.AddTail(CCmdInfo(model, 0));
    lines.AddTail(CCmdInfo(L"PLENGTH NONE /", 0));

    CString estimate = L"ESTIMATE /";
    estimate += AddEditValueCmd(ConvergenceEdit, GetDefaultConvergenceEdit(), 0, L" CONV = ", 1);
    estimate += AddEditValueCmd(LconvergenceEdit, GetDefaultLconvergenceEdit(), 0, L" LCONV = ", 1);
    estimate += AddEditValueCmd(ToleranceEdit, GetDefaultToleranceEdit(), 0, L" TOL = ", 1);
    estimate += AddEditValueCmd(IterationsEdit, GetDefaultIterationsEdit(), 0, L" ITER = ", 1);
    estimate += AddEditValueCmd(HalvingsEdit, GetDefaultHalvingsEdit(), 0, L" HALF = ", 1);
    estimate += AddEditValueCmd(DeltaEdit, GetDefaultDeltaEdit(), 0, L" DELTA = ", 1);
    CStringUtil::RemoveTrailingChar(estimate, L'/');
    lines.AddTail(CCmdInfo(estimate, 0));
}

REGISTER_RECORD(CLogLinData);
