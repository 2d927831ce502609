#pragma once

#include "Private/TrendAnalysisData.h"
#include "Templates/2262_trendanalysis.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of trend analysis: one source list of all variables and three target lists (series,
// time, season).
class CTrendAnalysisDlg : public CRecordDlg<CTrendAnalysisData>, public Template2262 {
public:
    TVK_DIALOG(CTrendAnalysisDlg, DoDataExchange, UpdateDependentWindows);

    BOOL OnUpdateAddTarget(UINT list) override;
    bool MouseMoveListCtrlHelper(UINT from, UINT over) override;
    void LButtonUpListCtrlHelper(UINT from, UINT over) override;
    // Loads the texts of the three alternatives into the alternative combo, in index order.
    void FillComboAlternativeCombo();

private:
    // Whether the source list's selection may go into `target` now; a source list being dragged from
    // is asked as if it were not.
    bool IsAddPossible(UINT target) const;
};
