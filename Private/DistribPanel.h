#pragma once

#include <memory>

#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkDlgBase/CDistribManager.h"

// The distribution manager of a procedure dialog (random samples, fitting, the one-sample tests): it
// reads the dialog's description file and makes its controls in a placeholder; a file that cannot be
// read is said when the dialog opens (and OK refuses while nothing is offered).
class CDistribPanel {
public:
    // Reads `file` (the module's own, or from the host's distribution folder) and makes the controls in
    // `placeholder`; the combo is shown only with a non-zero `showCombo`.
    void Open(CGUIBaseDlg& dlg, CDistribManagerData& data, const wchar_t* file, UINT placeholder,
              int showCombo);
    CDistribManager* GetManager() const { return m_pManager.get(); }
    // The manager's exchange: storing checks each value, then the chosen distribution's values taken
    // together.
    void DoDataExchange(CDataExchange* pDX) {
        if (m_pManager)
            m_pManager->DoDataExchange(pDX);
    }
    // The defaults of a reset: every offered distribution with its defaults, the first one chosen.
    void FillDefaults(CDistribManagerData& fresh);
    // A control notification: true when the manager took it.
    bool OnCommand(UINT id) { return m_pManager && m_pManager->OnCommand(id); }

    // Reads a description file as a dialog opening does, saying in a message box why it cannot.
    static void ReadDistribInfo(CDistribManager& manager, const wchar_t* file);

private:
    std::unique_ptr<CDistribManager> m_pManager;
    CDistribManagerData* m_pData = nullptr;
};
