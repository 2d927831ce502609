#pragma once

#include "Records/NonparametricData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Kruskal-Wallis (2109), two-sample Kolmogorov-Smirnov (2111) and the test of several variances of the
// hypothesis-testing menu (2173): variables compared across the groups of a grouping variable.
class CKwData : public CRecordOptions<CKwData>, public CKwDataValues {
public:
    TVK_OPTIONS(KW_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Quade (2359) and Friedman (2158): related samples with a grouping and a blocking variable.
class CQuadeData : public CRecordOptions<CQuadeData>, public CQuadeDataValues {
public:
    TVK_OPTIONS(QUADE_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Runs (2167, about a cut point), sign (2168) and Wilcoxon signed-rank (2181) tests.
class CRunsData : public CRecordOptions<CRunsData>, public CRunsDataValues {
public:
    TVK_OPTIONS(RUNS_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
