#pragma once

#include "Records/StatisticsData.h"
#include "TvkBaseGui/CRecordOptions.h"

// An int that every copy starts at 0 and that assignment leaves alone: state of the current dialog
// session, not part of a record's value.
class CSessionFlag {
public:
    CSessionFlag() = default;
    CSessionFlag(const CSessionFlag&) {}
    CSessionFlag& operator=(const CSessionFlag&) { return *this; }
    operator int() const { return m_value; }
    CSessionFlag& operator=(int value) {
        m_value = value;
        return *this;
    }

private:
    int m_value = 0;
};

// The statistics page of the column statistics (variant 2045, "CSTATISTICS ") and row statistics
// (variant 2270, "RSTATISTICS ") composites.
class CStatisticsData : public CRecordOptions<CStatisticsData>, public CStatisticsDataValues {
public:
    TVK_OPTIONS(STATISTICS_OPTIONS)

    // The row statistics' page starts from these instead.
    static int GetDefaultSumCheckRow() { return 1; }
    static int GetDefaultSdCheckRow() { return 0; }

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    // Set once the user accepts the page; from then on ReassignDefaultValue leaves the record alone.
    int IsConfirmed() const { return m_nConfirmed; }
    void SetConfirmed(int confirmed) { m_nConfirmed = confirmed; }
    // Two or more variables selected, or none selected and a source to take them from.
    bool IsMultivariateAllowed() const;
    // Takes BootStrapChecked from the sister resampling page's record; false when the page sits in no
    // composite with one.
    bool ReadResamplingPage();

private:
    CSessionFlag m_nConfirmed;
};
