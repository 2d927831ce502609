#pragma once

#include "Private/CcfData.h"
#include "Templates/2041_ccf.h"
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
class CCcfDlg : public CRecordDlg<CCcfData, CTwoSeriesDlg>, public Template2041 {
public:
    TVK_DIALOG(CCcfDlg, OnInitDialog, DoDataExchange);

protected:
    void KeepOnDefault(CCcfData& fresh) override;
};
