#pragma once

#include "Private/CcfData.h"
#include "TvkBaseGui/CRecordDlg.h"

// Base of the dialogs of procedures that take at most two series (cross-correlation, Fourier
// analysis): no way of adding (button, double click, drag and drop, list menu) lets a third variable
// into the selected list.
class CTwoSeriesDlg : public CGUIBaseDlg {
public:
    // True while the selected list's variables plus the source list's selected items are fewer than
    // three; a selected list in state 1 or 2 counts one less.
    bool IsSelectedVariablesAllowed() const;

    void UpdateDependentWindows() override;
    BOOL OnUpdateAddTarget(UINT list) override;
    bool MouseMoveListCtrlHelper(UINT from, UINT over) override;

protected:
    using CGUIBaseDlg::CGUIBaseDlg;
    // The dialog's one list pair, the series' own.
    CListPair& AddSeriesPair(const CListPair& pair) {
        m_seriesPair = pair;
        return AddListPair(pair);
    }

    CListPair m_seriesPair{};
};

// The dialog of cross-correlation.
class CCcfDlg : public CRecordDlg<CCcfData, CTwoSeriesDlg> {
public:
    enum : UINT {
        IDD = 2041,
        IDC_SOURCE_LIST = 1282,
        IDC_SELECTED_LIST = 1286,
        IDC_ADD = 1279,
        IDC_REMOVE = 1283,
        IDC_LAG_EDIT = 1280,
        IDC_LAG_LABEL = 1281,
        IDC_SAVE_CHECK = 1284,
        IDC_SAVE_FILE = 1285,
        IDC_LIST_MENU_LABEL = 1287,
    };

    explicit CCcfDlg(CGUIBaseDlg* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;

protected:
    void KeepOnDefault(CCcfData& fresh) override;
};
