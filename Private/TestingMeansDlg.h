#pragma once

#include "Private/TestingCommon.h"
#include "Private/TestingMeansData.h"
#include "Templates/2252_testingonesample.h"
#include "Templates/2255_testingtwosample.h"
#include "TvkBaseGui/CRecordDlg.h"

// The page of the one-sample tests; what it enables and checks depends on the test (its caption).
class CTestingOneSampleDlg : public CRecordDlg<CTestingOneSampleData>, public Template2252 {
public:
    enum : UINT {
        IDC_ALTERNATIVE_COMBO = CTestingOneSampleData::kAlternativeCombo,
    };

    TVK_DIALOG(CTestingOneSampleDlg, OnInitDialog, DoDataExchange, AddToolTips, OnCtrlChanged);

    bool IsInputEmpty() const;

protected:
    // The hypothesized mean and standard deviation survive a reset.
    void KeepOnDefault(CTestingOneSampleData& fresh) override;
};

// The page of the two-sample tests, the samples told apart by a grouping variable.
class CTestingTwoSampleDlg : public CRecordDlg<CTestingTwoSampleData, CAddRuledDlg>,
                             public Template2255,
                             public CTestingTwoSampleDlgValues {
public:
    enum : UINT {
        IDC_ALTERNATIVE_COMBO = CTestingTwoSampleData::kAlternativeCombo,
    };

    TVK_DIALOG(CTestingTwoSampleDlg, OnInitDialog, DoDataExchange, UpdateDependentWindows, OnCtrlChanged);

    bool IsInputEmpty() const;
    // 0, or the string id of a warning about the grouping variable.
    UINT ValidateGroupVariable() const;
};
