#include "Private/TestAtClData.h"

#include <climits>

#include "Private/OpenCommon.h"
#include "Source/RecordRegistry.h"

void CTestAtClData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList, {&ItemVariablesList}, INT_MAX);
}

void CTestAtClData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kItemModule, lines);
    CString text = L"CLASSICAL ";
    AddVariables(text, ItemVariablesList, L" ");
    CString clauses;
    AddVariablesClause(clauses, L" TOTAL = ", TotalVariableList);
    if (ItemStatsCheck)
        clauses += L" STATS" + AddEditValueCmd(GroupsEdit, L" GROUPS = ", 1);
    if (ReliabilityCheck)
        clauses += L" ALPHA" + AddOnConditionCmd(L" DELETED", AlphaDeletedCheck);
    if (KeyCheck)
        clauses += ListClause(L"KEY", KeyEdit);
    lines.AddTail(CCmdInfo(WithClauses(text, clauses), 0));
}

REGISTER_RECORD(CTestAtClData);
REGISTER_RECORD(CTestAtClTabData);
