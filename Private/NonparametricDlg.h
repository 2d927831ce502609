#pragma once

#include "Private/NonparametricData.h"
#include "Private/TestingCommon.h"
#include "TvkBaseGui/CRecordDlg.h"

// The page of Kruskal-Wallis (2109), two-sample Kolmogorov-Smirnov (2111) and several variances (2173).
class CKwDlg : public CRecordDlg<CKwData, CAddRuledDlg> {
public:
    enum : UINT {
        IDD = 2085,
        IDC_SOURCE_LIST = 2313,
        IDC_SELECTED_LIST = 2318,
        IDC_ADD = 2310,
        IDC_REMOVE = 2315,
        IDC_GROUP_LIST = 2311,
        IDC_GROUP_ADD = 2309,
        IDC_GROUP_REMOVE = 2314,
        IDC_LIST_MENU_LABEL = 2312,
        IDC_SAVE_CHECK = 2316,
        IDC_SAVE_FILE = 2317,
    };
    // Shown when the two-sample test has a grouping variable but nothing to split by it.
    static constexpr UINT kSelectionMissing = 12850;

    explicit CKwDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateDependentWindows() override;
    // 1 while one grouping variable waits for the variable it splits.
    int IsSelectionListMandatory() const;
};

// The page of Quade (2359) and Friedman (2158): variables, a grouping and a blocking variable.
class CQuadeDlg : public CRecordDlg<CQuadeData, CAddRuledDlg> {
public:
    enum : UINT {
        IDD = 2274,
        IDC_SOURCE_LIST = 3994,
        IDC_SELECTED_LIST = 4001,
        IDC_ADD = 3989,
        IDC_REMOVE = 3998,
        IDC_GROUP_LIST = 3992,
        IDC_GROUP_ADD = 3988,
        IDC_GROUP_REMOVE = 3997,
        IDC_BLOCK_LIST = 3990,
        IDC_BLOCK_ADD = 3987,
        IDC_BLOCK_REMOVE = 3996,
        IDC_LIST_MENU_LABEL = 3993,
        IDC_PAIRWISE_CHECK = 3995,
        IDC_SAVE_CHECK = 3999,
        IDC_SAVE_FILE = 4000,
    };
    static constexpr UINT kGroupWithoutBlock = 13151;
    static constexpr UINT kBlockWithoutGroup = 13152;

    explicit CQuadeDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    // The text of the warning the grouping and blocking lists draw now; empty when they agree.
    void ValidateGroupBlock(CString& message) const;
    UINT GroupBlockMessage() const;
};

// The page of the runs (2167), sign (2168) and Wilcoxon signed-rank (2181) tests.
class CRunsDlg : public CRecordDlg<CRunsData> {
public:
    enum : UINT {
        IDD = 2207,
        IDC_SOURCE_LIST = 4302,
        IDC_SELECTED_LIST = 4306,
        IDC_ADD = 4299,
        IDC_REMOVE = 4303,
        IDC_LIST_MENU_LABEL = 4307,
        IDC_CUT_EDIT = 4300,
        IDC_CUT_LABEL = 4301,
        IDC_SAVE_CHECK = 4304,
        IDC_SAVE_FILE = 4305,
    };

    explicit CRunsDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};
