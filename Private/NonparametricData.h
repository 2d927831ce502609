#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define KW_OPTIONS(LIST, OPTION)       \
    LIST(ListOfVariablesList)          \
    LIST(SelectedVariableList)         \
    LIST(GroupVariablesList)           \
    OPTION(CString, SaveStatisticEdit) \
    OPTION(int, SaveStatisticCheck, 0)

// Kruskal-Wallis (2109), two-sample Kolmogorov-Smirnov (2111) and the test of several variances of the
// hypothesis-testing menu (2173): variables compared across the groups of a grouping variable.
class CKwData : public CRecordOptions<CKwData> {
public:
    static constexpr UINT kKruskalWallis = 2109;
    static constexpr UINT kTwoSampleKS = 2111;
    static constexpr UINT kSeveralVariances = 2173;

    TVK_OPTIONS(KW_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

#define QUADE_OPTIONS(LIST, OPTION)          \
    LIST(ListOfVariablesList)                \
    LIST(SelectedVariableList)               \
    LIST(GroupVariableList)                  \
    LIST(BlockVariableList)                  \
    OPTION(CString, SaveStatisticEdit)       \
    OPTION(int, PairwiseComparisonsCheck, 0) \
    OPTION(int, SaveStatisticCheck, 0)

// Quade (2359) and Friedman (2158): related samples with a grouping and a blocking variable.
class CQuadeData : public CRecordOptions<CQuadeData> {
public:
    static constexpr UINT kQuade = 2359;
    static constexpr UINT kFriedman = 2158;

    TVK_OPTIONS(QUADE_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

#define RUNS_OPTIONS(LIST, OPTION)     \
    LIST(ListOfVariablesList)          \
    LIST(SelectedVariableList)         \
    OPTION(double, CutEdit, 0.0)       \
    OPTION(CString, SaveStatisticEdit) \
    OPTION(int, SaveStatisticCheck, 0)

// Runs (2167, about a cut point), sign (2168) and Wilcoxon signed-rank (2181) tests.
class CRunsData : public CRecordOptions<CRunsData> {
public:
    static constexpr UINT kRuns = 2167;
    static constexpr UINT kSign = 2168;
    static constexpr UINT kWilcoxon = 2181;

    TVK_OPTIONS(RUNS_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
