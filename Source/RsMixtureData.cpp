#include "Private/RsMixtureData.h"

#include "Source/RecordRegistry.h"

void CRsMixtureData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    SerializeOptions(ar);
}

void CRsMixtureData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kMixtureModule, lines);
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());
    CString clauses = AddEditValueCmd(ComponentsEdit, L" COMPONENTS = ", 1);
    clauses += AddEditValueCmd(DegreeEdit, L" DEGREE = ", TypeRadio == TypeLattice);
    if (TypeRadio == TypeVertices)
        clauses += ListClause(L"LOWER", LowerBoundsEdit) + ListClause(L"UPPER", UpperBoundsEdit);
    clauses += AddEditValueCmd(ReplicationsEdit, L" REPS = ", 1);
    clauses += AddOnConditionCmd(L" RAND", RandomCheck);
    lines.AddTail(CCmdInfo(WithClauses(KeywordAt(kTypeKeywords, TypeRadio), clauses), 0));
}

REGISTER_RECORD(CRsMixtureData);
