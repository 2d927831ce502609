#pragma once

#include "Private/SeasonalData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The seasonal adjustment dialog: season length and kind of seasonal term.
class CSeasonalDlg : public CRecordDlg<CSeasonalData> {
public:
    enum : UINT {
        IDD = 2049,
        IDC_SOURCE_LIST = 4316,
        IDC_SELECTED_LIST = 4323,
        IDC_ADD = 4314,
        IDC_REMOVE = 4318,
        IDC_SEASON_EDIT = 4321,
        IDC_TERM_CHECK = 4325,
        IDC_SAVE_CHECK = 4319,
        IDC_SAVE_FILE = 4320,
        IDC_ADDITIVE_RADIO = 4315,
        IDC_MULTIPLICATIVE_RADIO = 4317,
        IDC_LIST_MENU_LABEL = 4324,
    };

    explicit CSeasonalDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
