#pragma once

#include "Private/NonparametricData.h"
#include "Private/TestTabData.h"

// The composites of the nonparametric menu, and of the several-variances test (CKwTabData with 2310).

class CKwTabData : public CTestTabData<CKwData> {
public:
    static CKwData GetDefaultKw() { return {}; }
    static const CPageCaptions& PageCaptions();
};

class CTwoSampleKSTabData : public CFixedTestTabData<CKwData, 2322, CKwData::kTwoSampleKS> {
public:
    static CKwData GetDefaultKw() { return GetDefaultPage(); }
};

class CQuadeTabData : public CFixedTestTabData<CQuadeData, 2360, CQuadeData::kQuade> {
public:
    static CQuadeData GetDefaultQuade() { return GetDefaultPage(); }
};

class CFriedManTabData : public CFixedTestTabData<CQuadeData, 2085, CQuadeData::kFriedman> {
public:
    static CQuadeData GetDefaultQuade() { return GetDefaultPage(); }
};

class CRunsTabData : public CFixedTestTabData<CRunsData, 2275, CRunsData::kRuns> {
public:
    static CRunsData GetDefaultRuns() { return GetDefaultPage(); }
};

class CSignTabData : public CFixedTestTabData<CRunsData, 2280, CRunsData::kSign> {
public:
    static CRunsData GetDefaultRuns() { return GetDefaultPage(); }
};

class CWilcoxonTabData : public CFixedTestTabData<CRunsData, 2325, CRunsData::kWilcoxon> {
public:
    static CRunsData GetDefaultRuns() { return GetDefaultPage(); }
};
