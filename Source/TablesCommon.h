#pragma once

#include <cstddef>

#include "TvkBaseGui/CGUIBaseObj.h"

// What the records of the tables menu share: their command modules, their source list, the print-option
// line the table pages start and the other pages join, and the table texts of the multiway pages.

inline constexpr UINT kTablesModule = 12957;
inline constexpr UINT kLogLinearModule = 12915;

// A check of a record and the keyword it writes when set.
template <class Record>
struct CCheckKeyword {
    int Record::*check;
    const wchar_t* keyword;
};

// The keywords of the checks that are set, in table order.
template <class Record, std::size_t N>
CString KeywordsOf(const Record& record, const CCheckKeyword<Record> (&table)[N]) {
    CString text;
    for (const auto& entry : table)
        text += CGUIBaseObj::AddOnConditionCmd(entry.keyword, record.*entry.check);
    return text;
}

// The cell statistics of a record with TABLE_CELL_OPTIONS, framed by its frequencies and TCP checks.
template <class R>
constexpr CCheckKeyword<R> kCellKeywords[] = {
    {&R::FrequenciesCheck, L" FREQ"},       {&R::TablePercentsCheck, L" PERCENT"},
    {&R::RowPercentsCheck, L" ROWPCT"},     {&R::ColumnPercentsCheck, L" COLPCT"},
    {&R::ExpectedCheck, L" EXPECT"},        {&R::DeviatesCheck, L" DEVI"},
    {&R::StandardDeviatesCheck, L" STAND"}, {&R::TCPCheck, L" TCP"},
};

// Whether any check of the table is set.
template <class Record, std::size_t N>
bool AnyChecked(const Record& record, const CCheckKeyword<Record> (&table)[N]) {
    for (const auto& entry : table)
        if (record.*entry.check)
            return true;
    return false;
}

// The source list of the table records: every variable of the data, whatever its type.
void FillAllVariablesSource(CGUIBaseObj& record, CVariableList& source);

// "PLENGTH NONE /", then " LIST" for the list layout.
CString PrintOptionLine(int listLayout);

// The save line of a table page, when saving is on and the file has a name: the save type is the text
// of `typeCombo` at `typeIndex` (no combo: no type).
void AddTableSaveCmd(CCmdList& lines, int saveCheck, const CString& file, UINT typeCombo, int typeIndex);

// Joins `keywords` to the line holding "PLENGTH NONE" (written by a page before) and collapses the
// doubled slashes; without such a line the keywords are dropped.
void JoinPrintLine(CCmdList& lines, const CString& keywords);

// " SHADE" when shading is on, with " = " and the threshold when the value rule writes it.
CString ShadeClause(int shade, const CGUIData<double>& threshold);

// The strata joined by ", " (crossed: by " * "), " * ", the rows, and " * " and the columns when there
// are any.
CString StrataTableText(const CVariableList& strata, bool crossed, const CVariableList& rows,
                        const CVariableList& columns);
