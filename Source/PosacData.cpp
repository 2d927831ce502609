#include "Private/PosacData.h"

#include "Source/RecordRegistry.h"

void CPosacData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList, {&ProfileVariablesList}, INT_MAX);
}

void CPosacData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kPosacModule, lines);
    CString text = L"POSAC ";
    AddVariables(text, ProfileVariablesList, L" ");
    CString clauses;
    AddVariablesClause(clauses, L" FREQ = ", FrequencyVariableList);
    clauses += AddOnConditionCmd(L" CATEGORIES = ", CategoriesCheck) +
               AddOnConditionCmd(CategoriesEdit, CategoriesCheck);
    clauses += IterationClauses(IterationsEdit, ConvergenceEdit);
    lines.AddTail(CCmdInfo(WithClauses(text, clauses), 0));
}

REGISTER_RECORD(CPosacData);
REGISTER_RECORD(CPosacTabData);
