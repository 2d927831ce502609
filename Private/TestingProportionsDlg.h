#pragma once

#include <vector>

#include "Private/TestingProportionsData.h"
#include "TvkBaseGui/CRecordDlg.h"

// What the two proportion pages share: counts typed as totals (aggregate input) or read from variables
// (raw data input), chosen by a radio group; raw data input is offered only when the host has usable
// data.
class CTestingProportionDlgBase : public CGUIBaseDlg {
public:
    using CGUIBaseDlg::CGUIBaseDlg;

    // Set at start when the host has no data raw data input could read.
    bool HasNoRawData() const { return m_bNoRawData; }
    bool IsAggregateChecked() const { return IsCtrlChecked(m_aggregateItem) != 0; }
    void UpdateDependentWindows() override;

protected:
    // The radio buttons; the list controls (lists, their labels and remove buttons), which follow the
    // raw data button; the count edits and their labels, which follow the aggregate button.
    void SetLayout(UINT rawItem, UINT aggregateItem, std::vector<UINT> listControls,
                   std::vector<UINT> countControls);
    // Asks the host whether raw data input can be offered; when not, only aggregate input is.
    void SetDlgOnInit();
    // A successes count above its trials count is refused (while the counts are in use).
    void CheckSuccesses(CDataExchange* pDX, UINT successesEdit, const CGUIData<int>& successes,
                        const CGUIData<int>& trials);

private:
    bool m_bNoRawData = false;
    UINT m_rawItem = 0;
    UINT m_aggregateItem = 0;
    std::vector<UINT> m_listControls;
    std::vector<UINT> m_countControls;
};

class CTestingOneProportionDlg : public CRecordDlg<CTestingOneProportionData, CTestingProportionDlgBase> {
public:
    enum : UINT {
        IDD = 2251,
        IDC_SOURCE_LIST = 5110,
        IDC_TRIALS_LIST = 5122,
        IDC_TRIALS_ADD = 5104,
        IDC_TRIALS_REMOVE = 5119,
        IDC_TRIALS_LIST_LABEL = 34,
        IDC_SUCCESSES_LIST = 5120,
        IDC_SUCCESSES_ADD = 5103,
        IDC_SUCCESSES_REMOVE = 5118,
        IDC_SUCCESSES_LIST_LABEL = 35,
        IDC_LIST_MENU_LABEL = 5121,
        IDC_TRIALS_EDIT = 5113,
        IDC_TRIALS_LABEL = 5114,
        IDC_SUCCESSES_EDIT = 5111,
        IDC_SUCCESSES_LABEL = 5112,
        IDC_PROPORTION_EDIT = 5115,
        IDC_CONFIDENCE_EDIT = 5108,
        IDC_RAW_DATA_RADIO = CTestingOneProportionData::kRawDataItem,
        IDC_AGGREGATE_RADIO = CTestingOneProportionData::kAggregateItem,
        IDC_ALTERNATIVE_COMBO = CTestingOneProportionData::kAlternativeCombo,
    };

    explicit CTestingOneProportionDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};

class CTestingTwoProportionDlg : public CRecordDlg<CTestingTwoProportionData, CTestingProportionDlgBase> {
public:
    enum : UINT {
        IDD = 2254,
        IDC_SOURCE_LIST = 5162,
        IDC_TRIALS_ONE_LIST = 5182,
        IDC_TRIALS_ONE_ADD = 5155,
        IDC_TRIALS_ONE_REMOVE = 5174,
        IDC_SUCCESSES_ONE_LIST = 5178,
        IDC_SUCCESSES_ONE_ADD = 5153,
        IDC_SUCCESSES_ONE_REMOVE = 5172,
        IDC_TRIALS_TWO_LIST = 5184,
        IDC_TRIALS_TWO_ADD = 5156,
        IDC_TRIALS_TWO_REMOVE = 5175,
        IDC_SUCCESSES_TWO_LIST = 5180,
        IDC_SUCCESSES_TWO_ADD = 5154,
        IDC_SUCCESSES_TWO_REMOVE = 5173,
        IDC_LIST_MENU_LABEL = 5185,
        IDC_TRIALS_ONE_EDIT = 5167,
        IDC_SUCCESSES_ONE_EDIT = 5163,
        IDC_TRIALS_TWO_EDIT = 5169,
        IDC_SUCCESSES_TWO_EDIT = 5165,
        IDC_CONFIDENCE_EDIT = 5160,
        IDC_RAW_DATA_RADIO = CTestingTwoProportionData::kRawDataItem,
        IDC_AGGREGATE_RADIO = CTestingTwoProportionData::kAggregateItem,
        IDC_ALTERNATIVE_COMBO = CTestingTwoProportionData::kAlternativeCombo,
    };

    explicit CTestingTwoProportionDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};

// The page of the test of two correlations; its confidence level is never asked for.
class CTestingTwoCorrelationsDlg : public CRecordDlg<CTestingTwoCorrelationsData> {
public:
    enum : UINT {
        IDD = 2253,
        IDC_SOURCE_LIST = 5146,
        IDC_SET_ONE_LIST = 5149,
        IDC_SET_ONE_ADD = 5140,
        IDC_SET_ONE_REMOVE = 5147,
        IDC_SET_TWO_LIST = 5151,
        IDC_SET_TWO_ADD = 5141,
        IDC_SET_TWO_REMOVE = 5148,
        IDC_LIST_MENU_LABEL = 5152,
        IDC_CONFIDENCE_EDIT = 5144,
        IDC_CONFIDENCE_LABEL = 5145,
        IDC_ALTERNATIVE_COMBO = CTestingTwoCorrelationsData::kAlternativeCombo,
    };

    explicit CTestingTwoCorrelationsDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
