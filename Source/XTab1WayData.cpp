#include "Private/XTab1WayData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"
#include "TvkBaseGui/CStringUtil.h"

namespace {

using R = CXTab1WayData;
constexpr CCheckKeyword<R> kPrintKeywords[] = {
    {&R::FrequenciesCheck, L" FREQ"},
    {&R::PercentagesCheck, L" PERCENT"},
    {&R::PearsonChiSqrCheck, L" CHISQ"},
    {&R::TCPCheck, L" TCP"},
};

}  // namespace

// Stored files have the checks first and the lists last.
void CXTab1WayData::FillListSource() {
    FillAllVariablesSource(*this, ListOfVariablesList);
}

void CXTab1WayData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTablesModule, lines);

    CString print = PrintOptionLine(ListLayoutCheck) + KeywordsOf(*this, kPrintKeywords);
    CStringUtil::RemoveTrailingChar(print, L'/');
    lines.AddTail(CCmdInfo(print, 0));

    AddTableSaveCmd(lines, SaveDataFileCheck, SaveDataFileEdit, 0, 0);

    CString table = L"TABULATE ";
    AddVariables(table, SelectedVariableList, L" ");
    CStringUtil::Trim(table);
    table += L" /";
    // The interval is one of the percentages'.
    if (ConfIintervalCheck && PercentagesCheck)
        table += L" CONFI = " + ConfidenceLevelCombo;
    table += AddOnConditionCmd(L" MISS", IncludeMissingValCheck);
    lines.AddTail(CCmdInfo(table, 0));
}

REGISTER_RECORD(CXTab1WayData);
