#include "Private/OpenCommon.h"

#include "TvkBaseGui/CBaseGui.h"

void FillNumericSource(CGUIBaseObj& record, CVariableList& source,
                       std::initializer_list<CVariableList*> targets, int firstCount) {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    record.UpdateCtrlList(source, current, 1);
    for (const CVariableList* target : targets)
        if (!target->IsEmpty())
            return;
    int next = 0;
    for (CVariableList* target : targets) {
        const int count = target == *targets.begin() ? firstCount : 1;
        for (int i = 0; i < count && next < source.GetSize(); ++i)
            target->Add(source.GetAt(next++));
    }
}

CString WithClauses(const CString& keyword, const CString& clauses) {
    return clauses.IsEmpty() ? keyword : keyword + L" /" + clauses;
}

const wchar_t* KeywordAt(std::span<const wchar_t* const> keywords, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < keywords.size()
               ? keywords[static_cast<std::size_t>(index)]
               : L"";
}

CString KeywordClause(const wchar_t* name, std::span<const wchar_t* const> keywords, int index) {
    const wchar_t* keyword = KeywordAt(keywords, index);
    return *keyword ? CString(L" ") + name + L" = " + keyword : CString();
}

CString ListClause(const wchar_t* name, const CString& list) {
    CString trimmed = list;
    trimmed.Trim();
    return trimmed.IsEmpty() ? CString() : CString(L" ") + name + L" = " + trimmed;
}

CString IterationClauses(const CGUIData<int>& iterations, const CGUIData<double>& convergence) {
    return CGUIBaseObj::AddEditValueCmd(iterations, L" ITER = ", 1) +
           CGUIBaseObj::AddEditValueCmd(convergence, L" CONV = ", 1);
}
