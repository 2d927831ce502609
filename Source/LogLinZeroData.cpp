#include "Private/LogLinZeroData.h"

#include <climits>
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

std::vector<std::vector<int>> CLogLinZeroData::GetCells(const CString& text) {
    std::vector<std::vector<int>> cells;
    bool inLevel = false;
    for (wchar_t c : text.str()) {
        if (c == L'(') {
            cells.emplace_back();
        } else if (std::iswdigit(static_cast<wint_t>(c)) && !cells.empty()) {
            if (!inLevel)
                cells.back().push_back(0);
            int& level = cells.back().back();
            level = level > (INT_MAX - 9) / 10 ? INT_MAX : level * 10 + (c - L'0');
        }
        inLevel = std::iswdigit(static_cast<wint_t>(c)) != 0;
    }
    return cells;
}

void CLogLinZeroData::FillListSource() {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    UpdateCtrlList(ListOfVariablesList, current, 1);
}

void CLogLinZeroData::GetCommandInfoList(CCmdList& lines) const {
    CString clauses;
    // Only a list of cells: anything else (from a damaged store) would break the line.
    if (CellsCheck && !CStringUtil::IsEmpty(CellsEdit) && IsCellList(CellsEdit))
        clauses += L" CELLS = " + CellsEdit;
    if (IndicatorCheck && !IndicatorVariableList.IsEmpty())
        clauses += L" VARIABLE = " + IndicatorVariableList.GetAt(0).GetVariableName();
    if (!clauses.IsEmpty())
        lines.AddTail(CCmdInfo(L"ZERO /" + clauses, 0));
}

REGISTER_RECORD(CLogLinZeroData);
