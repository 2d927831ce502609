#include "Private/XTabNWayData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

using R = CXTabNWayData;
constexpr CCheckKeyword<R> kPrintKeywords[] = {
    {&R::FrequenciesCheck, L" FREQ"},
    {&R::TablepercentsCheck, L" PERCENT"},
    {&R::RowPercentsCheck, L" ROWPCT"},
    {&R::ColumnPercentsCheck, L" COLPCT"},
    {&R::TCPCheck, L" TCP"},
};

}  // namespace

// Stored files have the checks and the radio first and the lists last.
void CXTabNWayData::FillListSource() {
    FillAllVariablesSource(*this, ListOfVariablesList);
}

void CXTabNWayData::GetCommandInfoList(CCmdList& lines) const {
    const bool crossed =
        CRadioUtil::GetRadioItem(kStrataRadioGroup, SeparateStrataRadio) == kCrossedStrataItem;
    AddModuleCmd(kTablesModule, lines);
    AddTableSaveCmd(lines, SaveDataFileCheck, SaveDataFileEdit, 0, 0);

    CString print = PrintOptionLine(ListLayoutCheck) + KeywordsOf(*this, kPrintKeywords);
    if (!crossed)
        print += AddOnConditionCmd(L" MANTEL", MantelHaenszel2By2Check);
    CStringUtil::RemoveTrailingChar(print, L'/');
    if (!print.IsEmpty())
        lines.AddTail(CCmdInfo(print, 0));

    CString table =
        L"TABULATE " + StrataTableText(StrataVariableList, crossed, RowVariableList, ColumnVariableList);
    table += L" /";
    table += AddOnConditionCmd(L" MISS", IncludeMissingValCheck);
    CStringUtil::RemoveTrailingChar(table, L'/');
    if (!table.IsEmpty())
        lines.AddTail(CCmdInfo(table, 0));
}

REGISTER_RECORD(CXTabNWayData);
