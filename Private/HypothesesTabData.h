#pragma once

#include "Private/TestTabData.h"
#include "Private/TestingMeansData.h"
#include "Private/TestingProportionsData.h"

// The composites of the hypothesis-testing menu (the several-variances test is CKwTabData).

class CTestingOneSampleTabData : public CTestTabData<CTestingOneSampleData> {
public:
    static CTestingOneSampleData GetDefaultTestingOneSample() { return {}; }
    static const CPageCaptions& PageCaptions();
};

class CTestingTwoSampleTabData : public CTestTabData<CTestingTwoSampleData> {
public:
    static CTestingTwoSampleData GetDefaultTestingTwoSample() { return {}; }
    static const CPageCaptions& PageCaptions();
};

class CTestingOneProportionTabData : public CFixedTestTabData<CTestingOneProportionData, 2312, 0> {
public:
    static CTestingOneProportionData GetDefaultTestingOneProportion() { return GetDefaultPage(); }
};

class CTestingTwoProportionTabData : public CFixedTestTabData<CTestingTwoProportionData, 2305, 0> {
public:
    static CTestingTwoProportionData GetDefaultTestingTwoProportion() { return GetDefaultPage(); }
};

class CTestingTwoCorrelationsTabData : public CFixedTestTabData<CTestingTwoCorrelationsData, 2304, 0> {
public:
    static CTestingTwoCorrelationsData GetDefaultTestingTwoCorrelations() { return GetDefaultPage(); }
};
