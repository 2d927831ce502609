#include "Private/RsMixtureData.h"

#include <utility>

#include "Source/RecordRegistry.h"

void CRsMixtureData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kMixtureModule, SaveFileCheck, SaveFileEdit, lines);
    CString clauses = AddEditValueCmd(ComponentsEdit, L" COMPONENTS = ", 1);
    clauses += AddEditValueCmd(DegreeEdit, L" DEGREE = ", TypeRadio == TypeLattice);
    if (TypeRadio == TypeVertices)
        for (const auto& [name, typed] :
             {std::pair{L"LOWER", &LowerBoundsEdit}, std::pair{L"UPPER", &UpperBoundsEdit}})
            clauses += ListClause(name, TypedNumbersText(*typed).value_or(CString()));
    clauses += AddEditValueCmd(ReplicationsEdit, L" REPS = ", 1);
    clauses += AddOnConditionCmd(L" RAND", RandomCheck);
    lines.AddTail(CCmdInfo(WithClauses(KeywordAt(kTypeKeywords, TypeRadio), clauses), 0));
}

REGISTER_RECORD(CRsMixtureData);
