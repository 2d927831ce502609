#include "Private/LogLinZeroData.h"

#include <cwctype>

#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"

bool CLogLinZeroData::IsCellList(const CString& text) {
    enum { Between, AfterOpen, InLevel, AfterLevel, AfterComma } state = Between;
    bool anyCell = false;
    bool positive = false;
    for (wchar_t c : text.str()) {
        const bool digit = std::iswdigit(static_cast<wint_t>(c)) != 0;
        if (c == L' ') {
            if (state == InLevel)
                state = AfterLevel;
        } else if (state == Between && c == L'(') {
            state = AfterOpen;
        } else if ((state == AfterOpen || state == AfterComma) && digit) {
            state = InLevel;
            positive = c != L'0';
        } else if (state == InLevel && digit) {
            positive = positive || c != L'0';
        } else if ((state == InLevel || state == AfterLevel) && positive && (c == L',' || c == L')')) {
            state = c == L',' ? AfterComma : Between;
            anyCell = anyCell || c == L')';
        } else {
            return false;
        }
    }
    return state == Between && anyCell;
}

void CLogLinZeroData::FillListSource() {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    UpdateCtrlList(ListOfVariablesList, current, 1);
}

void CLogLinZeroData::GetCommandInfoList(CCmdList& lines) const {
    CString clauses;
    if (CellsCheck && !CStringUtil::IsEmpty(CellsEdit))
        clauses += L" CELLS = " + CellsEdit;
    if (IndicatorCheck && !IndicatorVariableList.IsEmpty())
        clauses += L" VARIABLE = " + IndicatorVariableList.GetAt(0).GetVariableName();
    if (!clauses.IsEmpty())
        lines.AddTail(CCmdInfo(L"ZERO /" + clauses, 0));
}

REGISTER_RECORD(CLogLinZeroData);
