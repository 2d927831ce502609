#pragma once

#include "Private/TrendAnalysisData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of trend analysis: one source list of all variables and three target lists (series,
// time, season).
class CTrendAnalysisDlg : public CRecordDlg<CTrendAnalysisData> {
public:
    enum : UINT {
        IDD = 2262,
        IDC_SOURCE_LIST = 5295,
        IDC_SERIES_LIST = 5301,
        IDC_TIME_LIST = 5310,
        IDC_SEASON_LIST = 5299,
        IDC_ADD_SERIES = 5289,
        IDC_ADD_TIME = 5290,
        IDC_ADD_SEASON = 5288,
        IDC_REMOVE_SERIES = 5297,
        IDC_REMOVE_TIME = 5298,
        IDC_REMOVE_SEASON = 5296,
        IDC_CONFI_EDIT = 5293,
        IDC_CONFI_LABEL = 5294,
        IDC_TESTS_SK_CHECK = 5308,
        IDC_TESTS_MK_CHECK = 5305,
        IDC_TESTS_HOMOGENEITY_CHECK = 5304,
        IDC_SLOPE_CHECK = 5303,
        IDC_MANN_KENDALL_RADIO = 5306,
        IDC_SEASONAL_RADIO = 5307,
        IDC_ALTERNATIVE_COMBO = 5291,
        IDC_LIST_MENU_LABEL = 5311,
    };

    explicit CTrendAnalysisDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
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
