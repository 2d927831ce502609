#include "Private/PermapData.h"

#include "Source/RecordRegistry.h"

void CPermapData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList, {&SelectedVariablesList}, 2);
}

void CPermapData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kMappingModule, SaveFileCheck, SaveFileEdit, lines);
    CString text = L"PMAP ";
    AddVariables(text, SelectedVariablesList, L" ");
    CString clauses = KeywordClause(L"METHOD", kMethodKeywords, MethodCombo);
    clauses += KeywordClause(L"STANDARDIZE", kStandardizeKeywords, StandardizeCombo);
    clauses += AddEditValueCmd(DimensionsEdit, L" DIM = ", 1);
    if (MethodCombo == MethodNonmetric)
        clauses += IterationClauses(IterationsEdit, ConvergenceEdit);
    lines.AddTail(CCmdInfo(WithClauses(text, clauses), 0));
}

REGISTER_RECORD(CPermapData);
