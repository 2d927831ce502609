#include "Private/TimeData.h"

#include <algorithm>
#include <array>

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkDlgBase/TvkDlgBase.h"

bool CTimeData::IsUsualPeriod(int period) {
    static constexpr std::array kUsualPeriods = {1, 2, 3, 4, 6, 12, 52, 365};
    return std::ranges::find(kUsualPeriods, period) != kUsualPeriods.end();
}

void CTimeData::SetEditAttribute() {
    OriginEdit.SetSecond(1);
}

void CTimeData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTimeSeriesModule, lines);
    CString text = L"TIME ";
    // A year the user never gave stays blank (its 0 is no year): the value rule decides, and the
    // year's second mark keeps the all-values switch from writing it.
    if (IsValueToWrite(OriginEdit))
        AppendEditValueCmd(text, OriginEdit);
    text += L",";
    text += NumberText(PeriodEdit.GetValue());
    text += L",";
    text += NumberText(FirstEdit.GetValue());
    text += L" / FORMAT='" + CComboUtil::GetComboString(kDateFormatCombo, DateFormatCombo) + L"'";
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CTimeData);
