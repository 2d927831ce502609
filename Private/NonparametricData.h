#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Kruskal-Wallis (2109), two-sample Kolmogorov-Smirnov (2111) and the test of several variances of the
// hypothesis-testing menu (2173): variables compared across the groups of a grouping variable.
class CKwData : public CRecordOptions<CKwData> {
public:
    static constexpr UINT kKruskalWallis = 2109;
    static constexpr UINT kTwoSampleKS = 2111;
    static constexpr UINT kSeveralVariances = 2173;

    static CString GetDefaultSaveStatisticEdit() { return {}; }
    static int GetDefaultSaveStatisticCheck() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, GroupVariablesList, SaveStatisticEdit,
                        SaveStatisticCheck);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CVariableList GroupVariablesList;
    CString SaveStatisticEdit = GetDefaultSaveStatisticEdit();
    int SaveStatisticCheck = GetDefaultSaveStatisticCheck();
};

// Quade (2359) and Friedman (2158): related samples with a grouping and a blocking variable.
class CQuadeData : public CRecordOptions<CQuadeData> {
public:
    static constexpr UINT kQuade = 2359;
    static constexpr UINT kFriedman = 2158;

    static CString GetDefaultSaveStatisticEdit() { return {}; }
    static int GetDefaultPairwiseComparisonsCheck() { return 0; }
    static int GetDefaultSaveStatisticCheck() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, GroupVariableList, BlockVariableList,
                        SaveStatisticEdit, PairwiseComparisonsCheck, SaveStatisticCheck);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList SelectedVariableList;
    CVariableList GroupVariableList;
    CVariableList BlockVariableList;
    CString SaveStatisticEdit = GetDefaultSaveStatisticEdit();
    CVariableList ListOfVariablesList;
    int PairwiseComparisonsCheck = GetDefaultPairwiseComparisonsCheck();
    int SaveStatisticCheck = GetDefaultSaveStatisticCheck();
};

// Runs (2167, about a cut point), sign (2168) and Wilcoxon signed-rank (2181) tests.
class CRunsData : public CRecordOptions<CRunsData> {
public:
    static constexpr UINT kRuns = 2167;
    static constexpr UINT kSign = 2168;
    static constexpr UINT kWilcoxon = 2181;

    static double GetDefaultCutEdit() { return 0.0; }
    static CString GetDefaultSaveStatisticEdit() { return {}; }
    static int GetDefaultSaveStatisticCheck() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, CutEdit, SaveStatisticEdit,
                        SaveStatisticCheck);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    double CutEdit = GetDefaultCutEdit();
    CString SaveStatisticEdit = GetDefaultSaveStatisticEdit();
    int SaveStatisticCheck = GetDefaultSaveStatisticCheck();
};
