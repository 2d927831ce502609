#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"

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
class CStatisticsData : public CGUIBaseObj {
public:
    static constexpr UINT kColumnStatistics = 2045;
    static constexpr UINT kRowStatistics = 2270;
    static constexpr UINT kSaveCombo = 4755;
    static constexpr UINT kTrimRegionCombo = 4788;
    // Save combo items that add a layout word to the save line.
    static constexpr UINT kSaveItemVariables = 12653;
    static constexpr UINT kSaveItemAggregated = 12019;

    CStatisticsData();

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

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariables, CGUIData<double>& cimEdit,
               CGUIData<double>& trmeanEdit, int& allOptions, int& n, int& minimum, int& maximum, int& sum,
               int& shapiroWilk, int& andersonDarling, int& mskewness, int& mkurtosis, int& hztest, int& mean,
               int& sem, int& cim, int& gm, int& hm, int& trmean, int& median, int& sd, int& cv, int& range,
               int& variance, int& skewness, int& ses, int& kurtosis, int& sek, int& saveFileCheck,
               int& saveFileCombo, int& trmeanCombo, CString& saveFileEdit, int& bootStrapChecked) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariables,
               const CGUIData<double>& cimEdit, const CGUIData<double>& trmeanEdit, int allOptions, int n,
               int minimum, int maximum, int sum, int shapiroWilk, int andersonDarling, int mskewness,
               int mkurtosis, int hztest, int mean, int sem, int cim, int gm, int hm, int trmean, int median,
               int sd, int cv, int range, int variance, int skewness, int ses, int kurtosis, int sek,
               int saveFileCheck, int saveFileCombo, int trmeanCombo, const CString& saveFileEdit,
               int bootStrapChecked);

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
    CGUIData<double> CimEdit;
    CGUIData<double> TrmeanEdit;
    int AllOptionsCheck;
    int NCheck;
    int MinimumCheck;
    int MaximumCheck;
    int SumCheck;
    int ShapiroWilkCheck;
    int AndersonDarlingCheck;
    int MultivariateMskewnessCheck;
    int MultivariateMkurtosisCheck;
    int MultivariateHztestCheck;
    int MeanCheck;
    int SemCheck;
    int CimCheck;
    int GmCheck;
    int HmCheck;
    int TrmeanCheck;
    int MedianCheck;
    int SdCheck;
    int CvCheck;
    int RangeCheck;
    int VarianceCheck;
    int SkewnessCheck;
    int SesCheck;
    int KurtosisCheck;
    int SekCheck;
    int SaveFileCheck;
    int SaveFileCombo;
    // -1 for no region.
    int TrmeanCombo;
    CString SaveFileEdit;
    // The resampling page's check as it was at the last OK: with resampling on, the kernel computes the
    // statistics itself and the line carries no option clause.
    int BootStrapChecked;

private:
    CSessionFlag m_nConfirmed;
};
