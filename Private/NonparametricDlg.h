#pragma once

#include "Private/NonparametricData.h"
#include "Private/TestingCommon.h"
#include "Templates/2085_kw.h"
#include "Templates/2207_runs.h"
#include "Templates/2274_quade.h"
#include "TvkBaseGui/CRecordDlg.h"

// The page of Kruskal-Wallis (2109), two-sample Kolmogorov-Smirnov (2111) and several variances (2173).
class CKwDlg : public CRecordDlg<CKwData, CAddRuledDlg>, public Template2085, public CKwDlgValues {
public:
    TVK_DIALOG(CKwDlg, OnInitDialog, DoDataExchange, UpdateDependentWindows);

    // 1 while one grouping variable waits for the variable it splits.
    int IsSelectionListMandatory() const;
};

// The page of Quade (2359) and Friedman (2158): variables, a grouping and a blocking variable.
class CQuadeDlg : public CRecordDlg<CQuadeData, CAddRuledDlg>, public Template2274, public CQuadeDlgValues {
public:
    TVK_DIALOG(CQuadeDlg, OnInitDialog, DoDataExchange, UpdateDependentWindows);

    // The text of the warning the grouping and blocking lists draw now; empty when they agree.
    void ValidateGroupBlock(CString& message) const;
    UINT GroupBlockMessage() const;
};

// The page of the runs (2167), sign (2168) and Wilcoxon signed-rank (2181) tests.
class CRunsDlg : public CRecordDlg<CRunsData>, public Template2207 {
public:
    TVK_DIALOG(CRunsDlg, OnInitDialog, DoDataExchange, AddToolTips);
};
