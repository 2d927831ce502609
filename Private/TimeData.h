#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Time labels of the data's time axis: starting year, observations per year, position of the first
// observation within the period, and the date format. No variable lists.
class CTimeData : public CRecordOptions<CTimeData> {
public:
    static constexpr UINT kDateFormatCombo = 5240;
    static constexpr int kMinimumYear = 1900;
    static constexpr int kMaximumYear = 9980;
    // Warning for a period that is none of the usual ones.
    static constexpr UINT kUnusualPeriodMessage = 12849;

    // The starting year has no default: it stays blank (second mark 1) until the user gives one.
    static CGUIData<int> GetDefaultOriginEdit();
    static CGUIData<int> GetDefaultPeriodEdit() { return CGUIData<int>(1); }
    static CGUIData<int> GetDefaultFirstEdit() { return CGUIData<int>(1); }
    static int GetDefaultDateFormatCombo() { return 0; }

    // Whether a period is one of 1, 2, 3, 4, 6, 12, 52 and 365 observations per year.
    static bool IsUsualPeriod(int period);
    CGUIData<int> GetPeriodEdit() const { return PeriodEdit; }

    auto Options() { return std::tie(OriginEdit, PeriodEdit, FirstEdit, DateFormatCombo); }

    void Serialize(CArchive& ar) override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CGUIData<int> OriginEdit = GetDefaultOriginEdit();
    CGUIData<int> PeriodEdit = GetDefaultPeriodEdit();
    CGUIData<int> FirstEdit = GetDefaultFirstEdit();
    int DateFormatCombo = GetDefaultDateFormatCombo();
};
