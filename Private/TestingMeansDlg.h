#pragma once

#include "Private/TestingCommon.h"
#include "Private/TestingMeansData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The page of the one-sample tests; what it enables and checks depends on the test (its caption).
class CTestingOneSampleDlg : public CRecordDlg<CTestingOneSampleData> {
public:
    enum : UINT {
        IDD = 2252,
        IDC_SOURCE_LIST = 5131,
        IDC_SELECTED_LIST = 5138,
        IDC_ADD = 5124,
        IDC_REMOVE = 5135,
        IDC_LIST_MENU_LABEL = 5139,
        IDC_VALUE_EDIT = 5132,
        IDC_VALUE_LABEL = 5133,
        IDC_SD_EDIT = 5136,
        IDC_SD_LABEL = 5137,
        IDC_CONFIDENCE_EDIT = 5128,
        IDC_MULTIPLE_LABEL = 5134,
        IDC_BONFERRONI = 5127,
        IDC_DUNN_SIDAK = 5130,
        IDC_ALTERNATIVE_COMBO = CTestingOneSampleData::kAlternativeCombo,
    };

    explicit CTestingOneSampleDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void OnCtrlChanged(UINT id) override;
    bool IsInputEmpty() const;

protected:
    // The hypothesized mean and standard deviation survive a reset.
    void KeepOnDefault(CTestingOneSampleData& fresh) override;
};

// The page of the two-sample tests, the samples told apart by a grouping variable.
class CTestingTwoSampleDlg : public CRecordDlg<CTestingTwoSampleData, CAddRuledDlg> {
public:
    enum : UINT {
        IDD = 2255,
        IDC_SOURCE_LIST = 5196,
        IDC_SELECTED_LIST = 5205,
        IDC_ADD = 5187,
        IDC_REMOVE = 5199,
        IDC_GROUP_LIST = 5194,
        IDC_GROUP_ADD = 5186,
        IDC_GROUP_REMOVE = 5198,
        IDC_LIST_MENU_LABEL = 5206,
        IDC_SD_ONE_EDIT = 5200,
        IDC_SD_LABEL = 5201,
        IDC_SD_ONE_LABEL = 5202,
        IDC_SD_TWO_EDIT = 5203,
        IDC_SD_TWO_LABEL = 5204,
        IDC_CONFIDENCE_EDIT = 5191,
        IDC_MULTIPLE_LABEL = 5197,
        IDC_BONFERRONI = 5190,
        IDC_DUNN_SIDAK = 5193,
        IDC_ALTERNATIVE_COMBO = CTestingTwoSampleData::kAlternativeCombo,
    };
    // Warned about when the variances of more than two groups are to be compared.
    static constexpr UINT kManyGroupsWarning = 13183;

    explicit CTestingTwoSampleDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
    bool IsInputEmpty() const;
    // 0, or the string id of a warning about the grouping variable.
    UINT ValidateGroupVariable() const;
};
