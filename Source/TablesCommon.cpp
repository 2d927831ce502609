#include "Source/TablesCommon.h"

#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

void FillAllVariablesSource(CGUIBaseObj& record, CVariableList& source) {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceAllVariables, 0);
    record.UpdateCtrlList(source, current, 1);
}

CString PrintOptionLine(int listLayout) {
    CString line = L"PLENGTH";
    line += L" NONE /";
    line += CGUIBaseObj::AddOnConditionCmd(L" LIST", listLayout);
    return line;
}

void AddTableSaveCmd(CCmdList& lines, int saveCheck, const CString& file, UINT typeCombo, int typeIndex) {
    if (!saveCheck || CStringUtil::IsEmpty(file))
        return;
    const CString type = typeCombo ? CComboUtil::GetComboString(typeCombo, typeIndex, 0) : CString();
    CGUIBaseObj::AddSaveCmd(file, lines, type, CString());
}

void JoinPrintLine(CCmdList& lines, const CString& keywords) {
    CStringUtil::ConcatStringAt(lines, keywords, CStringUtil::SearchString(lines, L"PLENGTH NONE"), nullptr);
    CStringUtil::RemoveRedundantSlash(lines, 0);
}

CString StrataTableText(const CVariableList& strata, bool crossed, const CVariableList& rows,
                        const CVariableList& columns) {
    CString text;
    CGUIBaseObj::AddVariables(text, strata, crossed ? L" * " : L", ");
    text += L" * ";
    CGUIBaseObj::AddVariables(text, rows, L" ");
    CGUIBaseObj::AddVariablesClause(text, L" * ", columns);
    return text;
}

CString ShadeClause(int shade, const CGUIData<double>& threshold) {
    return shade ? L" SHADE" + CGUIBaseObj::AddEditValueCmd(threshold, L" = ", 1) : CString();
}
