#include "Private/XtabCellStatisticsData.h"

#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"

namespace {

struct Statistic {
    int CXtabCellStatisticsData::*check;
    int CXtabCellStatisticsData::*combo;
    const wchar_t* keyword;
};

// In the order the kernel expects them (the sum comes before the mean).
constexpr Statistic kStatistics[] = {
    {&CXtabCellStatisticsData::MinimumCheck, &CXtabCellStatisticsData::MinimumCombo, L" MINIMUM = "},
    {&CXtabCellStatisticsData::MaximumCheck, &CXtabCellStatisticsData::MaximumCombo, L" MAXIMUM = "},
    {&CXtabCellStatisticsData::SumCheck, &CXtabCellStatisticsData::SumCombo, L" SUM = "},
    {&CXtabCellStatisticsData::MeanCheck, &CXtabCellStatisticsData::MeanCombo, L" MEAN = "},
    {&CXtabCellStatisticsData::SdCheck, &CXtabCellStatisticsData::SdCombo, L" SD = "},
    {&CXtabCellStatisticsData::RangeCheck, &CXtabCellStatisticsData::RangeCombo, L" RANGE = "},
    {&CXtabCellStatisticsData::VarianceCheck, &CXtabCellStatisticsData::VarianceCombo, L" VARIANCE = "},
};

}  // namespace

// Stored files have the sum check fifth, before range and variance.
int CXtabCellStatisticsData::GetHotCommandPosition(const CCmdList& lines) {
    return CStringUtil::SearchStringAtBeginning(lines, L"TABULATE ");
}

void CXtabCellStatisticsData::GetCommandInfoList(CCmdList& lines) const {
    CVariableList variables;
    CBaseGui::GetSourceVariable(variables, kSourceNumericVariables, 0);
    CString text;
    for (const Statistic& s : kStatistics)
        if (const int index = this->*s.combo; this->*s.check && index >= 0 && index < variables.GetSize())
            text += s.keyword + variables.GetAt(index).GetVariableName();

    const int table = GetHotCommandPosition(lines);
    if (table < 0)
        return;
    if (!CStringUtil::StringFoundAtIndex(lines, L"/", table))
        text = L" /" + text;
    CStringUtil::ConcatStringAt(lines, text, table, nullptr);
}

REGISTER_RECORD(CXtabCellStatisticsData);
