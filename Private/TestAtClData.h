#pragma once

#include "Private/OpenTabData.h"
#include "Records/TestAtClData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Classical test item analysis: item difficulty and discrimination, the test's reliability and, with
// keyed answers, the scoring of raw answers.
//
// Lines: ITEMS; "CLASSICAL" and the items, then after " /": " TOTAL = " and the total variable;
// " STATS" with " GROUPS = " by the value rule; " ALPHA" with " DELETED"; " KEY = " and the key.
class CTestAtClData : public CRecordOptions<CTestAtClData> {
public:
    TVK_OPTIONS(TESTATCL_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Classical test item analysis with its resampling page.
class CTestAtClTabData : public CResampledTabData<CTestAtClData, 2302> {
public:
    static CTestAtClData GetDefaultTestAtCl() { return {}; }
};
