#pragma once

#include <climits>

#include "Private/OpenTabData.h"
#include "Source/OpenCommon.h"
#include "TvkBaseGui/CRecordOptions.h"

// Classical test item analysis: item difficulty and discrimination, the test's reliability and, with
// keyed answers, the scoring of raw answers.
//
// Options, in declared order (also the archive's order):
//   ListOfVariablesList  the data's numeric variables
//   ItemVariablesList    the items (at least two; all of the data's to begin with)
//   TotalVariableList    at most one variable holding the total score (computed from the items when
//                        there is none)
//   ItemStatsCheck     int               1     item statistics
//   GroupsEdit         CGUIData<double>  0.27  (0, 0.5], the share of cases in the upper and lower groups
//                                              of the discrimination index
//   ReliabilityCheck   int               1     coefficient alpha
//   AlphaDeletedCheck  int               0     alpha with each item deleted in turn
//   KeyCheck           int               0     score raw answers against a key
//   KeyEdit            text              ""    the keyed answer of each item, in item order
//
// Lines: ITEMS; "CLASSICAL" and the items, then after " /": " TOTAL = " and the total variable;
// " STATS" with " GROUPS = " by the value rule; " ALPHA" with " DELETED"; " KEY = " and the key.
class CTestAtClData : public CRecordOptions<CTestAtClData> {
public:
    static int GetDefaultItemStatsCheck() { return 1; }
    static CGUIData<double> GetDefaultGroupsEdit() { return CGUIData<double>(0.27); }
    static int GetDefaultReliabilityCheck() { return 1; }
    static int GetDefaultAlphaDeletedCheck() { return 0; }
    static int GetDefaultKeyCheck() { return 0; }
    static CString GetDefaultKeyEdit() { return {}; }

    auto Options() {
        return std::tie(ListOfVariablesList, ItemVariablesList, TotalVariableList, ItemStatsCheck, GroupsEdit,
                        ReliabilityCheck, AlphaDeletedCheck, KeyCheck, KeyEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList ItemVariablesList;
    CVariableList TotalVariableList;
    int ItemStatsCheck = GetDefaultItemStatsCheck();
    CGUIData<double> GroupsEdit = GetDefaultGroupsEdit();
    int ReliabilityCheck = GetDefaultReliabilityCheck();
    int AlphaDeletedCheck = GetDefaultAlphaDeletedCheck();
    int KeyCheck = GetDefaultKeyCheck();
    CString KeyEdit = GetDefaultKeyEdit();
};

// Classical test item analysis with its resampling page.
class CTestAtClTabData : public CResampledTabData<CTestAtClData, 2302> {
public:
    static CTestAtClData GetDefaultTestAtCl() { return {}; }
};
