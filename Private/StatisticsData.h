#pragma once

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

// TrmeanCombo is -1 for no region. BootStrapChecked is the resampling page's check as it was at the last
// OK: with resampling on, the kernel computes the statistics itself and the line carries no option clause.
#define STATISTICS_OPTIONS(LIST, OPTION)       \
    LIST(ListOfVariablesList)                  \
    LIST(SelectedVariableList)                 \
    OPTION(CGUIData<double>, CimEdit, 0.95)    \
    OPTION(CGUIData<double>, TrmeanEdit, 0.1)  \
    OPTION(int, AllOptionsCheck, 0)            \
    OPTION(int, NCheck, 1)                     \
    OPTION(int, MinimumCheck, 1)               \
    OPTION(int, MaximumCheck, 1)               \
    OPTION(int, SumCheck, 0)                   \
    OPTION(int, ShapiroWilkCheck, 0)           \
    OPTION(int, AndersonDarlingCheck, 0)       \
    OPTION(int, MultivariateMskewnessCheck, 0) \
    OPTION(int, MultivariateMkurtosisCheck, 0) \
    OPTION(int, MultivariateHztestCheck, 0)    \
    OPTION(int, MeanCheck, 1)                  \
    OPTION(int, SemCheck, 0)                   \
    OPTION(int, CimCheck, 0)                   \
    OPTION(int, GmCheck, 0)                    \
    OPTION(int, HmCheck, 0)                    \
    OPTION(int, TrmeanCheck, 0)                \
    OPTION(int, MedianCheck, 0)                \
    OPTION(int, SdCheck, 1)                    \
    OPTION(int, CvCheck, 0)                    \
    OPTION(int, RangeCheck, 0)                 \
    OPTION(int, VarianceCheck, 0)              \
    OPTION(int, SkewnessCheck, 0)              \
    OPTION(int, SesCheck, 0)                   \
    OPTION(int, KurtosisCheck, 0)              \
    OPTION(int, SekCheck, 0)                   \
    OPTION(int, SaveFileCheck, 0)              \
    OPTION(int, SaveFileCombo, 0)              \
    OPTION(int, TrmeanCombo, 0)                \
    OPTION(CString, SaveFileEdit)              \
    OPTION(int, BootStrapChecked, 0)

// The statistics page of the column statistics (variant 2045, "CSTATISTICS ") and row statistics
// (variant 2270, "RSTATISTICS ") composites.
class CStatisticsData : public CRecordOptions<CStatisticsData> {
public:
    static constexpr UINT kColumnStatistics = 2045;
    static constexpr UINT kRowStatistics = 2270;
    static constexpr UINT kSaveCombo = 4755;
    static constexpr UINT kTrimRegionCombo = 4788;
    // Save combo items that add a layout word to the save line.
    static constexpr UINT kSaveItemVariables = 12653;
    static constexpr UINT kSaveItemAggregated = 12019;

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
