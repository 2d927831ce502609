#pragma once

#include <vector>

#include "Private/TestingProportionsData.h"
#include "Templates/2251_testingoneproportion.h"
#include "Templates/2253_testingtwocorrelations.h"
#include "Templates/2254_testingtwoproportion.h"
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

class CTestingOneProportionDlg : public CRecordDlg<CTestingOneProportionData, CTestingProportionDlgBase>,
                                 public Template2251 {
public:
    enum : UINT {
        IDC_RAW_DATA_RADIO = CTestingOneProportionData::kRawDataItem,
        IDC_AGGREGATE_RADIO = CTestingOneProportionData::kAggregateItem,
        IDC_ALTERNATIVE_COMBO = CTestingOneProportionData::kAlternativeCombo,
    };

    TVK_DIALOG(CTestingOneProportionDlg, OnInitDialog, DoDataExchange);
};

class CTestingTwoProportionDlg : public CRecordDlg<CTestingTwoProportionData, CTestingProportionDlgBase>,
                                 public Template2254 {
public:
    enum : UINT {
        IDC_RAW_DATA_RADIO = CTestingTwoProportionData::kRawDataItem,
        IDC_AGGREGATE_RADIO = CTestingTwoProportionData::kAggregateItem,
        IDC_ALTERNATIVE_COMBO = CTestingTwoProportionData::kAlternativeCombo,
    };

    TVK_DIALOG(CTestingTwoProportionDlg, OnInitDialog, DoDataExchange);
};

// The page of the test of two correlations; its confidence level is never asked for.
class CTestingTwoCorrelationsDlg : public CRecordDlg<CTestingTwoCorrelationsData>, public Template2253 {
public:
    enum : UINT {
        IDC_ALTERNATIVE_COMBO = CTestingTwoCorrelationsData::kAlternativeCombo,
    };

    TVK_DIALOG(CTestingTwoCorrelationsDlg, OnInitDialog, DoDataExchange);
};
