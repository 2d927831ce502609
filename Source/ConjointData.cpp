#include "Private/ConjointData.h"

#include "Source/RecordRegistry.h"

void CConjointData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList, {&PreferenceVariablesList, &AttributeVariablesList});
}

void CConjointData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kConjointModule, lines);
    CString text = L"CONJOINT ";
    AddVariables(text, PreferenceVariablesList, L" ");
    text += L" = ";
    AddVariables(text, AttributeVariablesList, L" ");
    CString clauses = KeywordClause(L"MODEL", kModelKeywords, ModelRadio);
    clauses += KeywordClause(L"LOSS", kLossKeywords, LossCombo);
    if (LossCombo != LossLeastSquares)
        clauses += IterationClauses(IterationsEdit, ConvergenceEdit);
    lines.AddTail(CCmdInfo(WithClauses(text, clauses), 0));
}

REGISTER_RECORD(CConjointData);
REGISTER_RECORD(CConjointTabData);
