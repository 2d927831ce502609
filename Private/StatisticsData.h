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

    static CGUIData<double> GetDefaultCimEdit() { return CGUIData<double>(0.95); }
    static CGUIData<double> GetDefaultTrmeanEdit() { return CGUIData<double>(0.1); }
    static int GetDefaultAllOptionsCheck() { return 0; }
    static int GetDefaultNCheck() { return 1; }
    static int GetDefaultMinimumCheck() { return 1; }
    static int GetDefaultMaximumCheck() { return 1; }
    static int GetDefaultSumCheck() { return 0; }
    static int GetDefaultSumCheckRow() { return 1; }
    static int GetDefaultShapiroWilkCheck() { return 0; }
    static int GetDefaultAndersonDarlingCheck() { return 0; }
    static int GetDefaultMultivariateMskewnessCheck() { return 0; }
    static int GetDefaultMultivariateMkurtosisCheck() { return 0; }
    static int GetDefaultMultivariateHztestCheck() { return 0; }
    static int GetDefaultMeanCheck() { return 1; }
    static int GetDefaultSemCheck() { return 0; }
    static int GetDefaultCimCheck() { return 0; }
    static int GetDefaultGmCheck() { return 0; }
    static int GetDefaultHmCheck() { return 0; }
    static int GetDefaultTrmeanCheck() { return 0; }
    static int GetDefaultMedianCheck() { return 0; }
    static int GetDefaultSdCheck() { return 1; }
    static int GetDefaultSdCheckRow() { return 0; }
    static int GetDefaultCvCheck() { return 0; }
    static int GetDefaultRangeCheck() { return 0; }
    static int GetDefaultVarianceCheck() { return 0; }
    static int GetDefaultSkewnessCheck() { return 0; }
    static int GetDefaultSesCheck() { return 0; }
    static int GetDefaultKurtosisCheck() { return 0; }
    static int GetDefaultSekCheck() { return 0; }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultSaveFileCombo() { return 0; }
    static int GetDefaultTrmeanCombo() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultBootStrapChecked() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, CimEdit, TrmeanEdit, AllOptionsCheck,
                        NCheck, MinimumCheck, MaximumCheck, SumCheck, ShapiroWilkCheck, AndersonDarlingCheck,
                        MultivariateMskewnessCheck, MultivariateMkurtosisCheck, MultivariateHztestCheck,
                        MeanCheck, SemCheck, CimCheck, GmCheck, HmCheck, TrmeanCheck, MedianCheck, SdCheck,
                        CvCheck, RangeCheck, VarianceCheck, SkewnessCheck, SesCheck, KurtosisCheck, SekCheck,
                        SaveFileCheck, SaveFileCombo, TrmeanCombo, SaveFileEdit, BootStrapChecked);
    }

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

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<double> CimEdit = GetDefaultCimEdit();
    CGUIData<double> TrmeanEdit = GetDefaultTrmeanEdit();
    int AllOptionsCheck = GetDefaultAllOptionsCheck();
    int NCheck = GetDefaultNCheck();
    int MinimumCheck = GetDefaultMinimumCheck();
    int MaximumCheck = GetDefaultMaximumCheck();
    int SumCheck = GetDefaultSumCheck();
    int ShapiroWilkCheck = GetDefaultShapiroWilkCheck();
    int AndersonDarlingCheck = GetDefaultAndersonDarlingCheck();
    int MultivariateMskewnessCheck = GetDefaultMultivariateMskewnessCheck();
    int MultivariateMkurtosisCheck = GetDefaultMultivariateMkurtosisCheck();
    int MultivariateHztestCheck = GetDefaultMultivariateHztestCheck();
    int MeanCheck = GetDefaultMeanCheck();
    int SemCheck = GetDefaultSemCheck();
    int CimCheck = GetDefaultCimCheck();
    int GmCheck = GetDefaultGmCheck();
    int HmCheck = GetDefaultHmCheck();
    int TrmeanCheck = GetDefaultTrmeanCheck();
    int MedianCheck = GetDefaultMedianCheck();
    int SdCheck = GetDefaultSdCheck();
    int CvCheck = GetDefaultCvCheck();
    int RangeCheck = GetDefaultRangeCheck();
    int VarianceCheck = GetDefaultVarianceCheck();
    int SkewnessCheck = GetDefaultSkewnessCheck();
    int SesCheck = GetDefaultSesCheck();
    int KurtosisCheck = GetDefaultKurtosisCheck();
    int SekCheck = GetDefaultSekCheck();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    int SaveFileCombo = GetDefaultSaveFileCombo();
    // -1 for no region.
    int TrmeanCombo = GetDefaultTrmeanCombo();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    // The resampling page's check as it was at the last OK: with resampling on, the kernel computes the
    // statistics itself and the line carries no option clause.
    int BootStrapChecked = GetDefaultBootStrapChecked();

private:
    CSessionFlag m_nConfirmed;
};
