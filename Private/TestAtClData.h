#pragma once

#include "Private/OpenTabData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Archived in declared order. GroupsEdit, in (0, 0.5], is the share of cases in the upper and lower
// groups of the discrimination index.
#define TESTATCL_OPTIONS(LIST, OPTION)                                                           \
    LIST(ListOfVariablesList) /* the data's numeric variables */                                 \
    LIST(ItemVariablesList)   /* at least two; all of the data's to begin with */                \
    LIST(TotalVariableList)   /* at most one; without it the total is computed from the items */ \
    OPTION(int, ItemStatsCheck, 1)                                                               \
    OPTION(CGUIData<double>, GroupsEdit, 0.27)                                                   \
    OPTION(int, ReliabilityCheck, 1)  /* coefficient alpha */                                    \
    OPTION(int, AlphaDeletedCheck, 0) /* alpha with each item deleted in turn */                 \
    OPTION(int, KeyCheck, 0)          /* score raw answers against a key */                      \
    OPTION(CString, KeyEdit)          /* the keyed answer of each item, in item order */

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
