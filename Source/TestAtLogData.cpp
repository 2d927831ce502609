#include "Private/TestAtLogData.h"

#include "Source/RecordRegistry.h"

void CTestAtLogData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList, {&ItemVariablesList}, INT_MAX);
}

void CTestAtLogData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kItemModule, SaveFileCheck, SaveFileEdit, lines);
    CString text = L"LOGISTIC ";
    AddVariables(text, ItemVariablesList, L" ");
    CString clauses = KeywordClause(L"MODEL", kModelKeywords, ModelRadio) +
                      IterationClauses(IterationsEdit, ConvergenceEdit);
    if (SaveFileCheck)
        clauses += KeywordClause(L"SCORES", kScoresKeywords, ScoresCombo);
    lines.AddTail(CCmdInfo(WithClauses(text, clauses), 0));
}

REGISTER_RECORD(CTestAtLogData);
REGISTER_RECORD(CTestAtLogTabData);
