#pragma once

#include <memory>
#include <optional>

#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkDlgBase/CDistribManager.h"

// The distribution manager of a procedure dialog (random samples, fitting, the one-sample tests): it
// reads the dialog's description file, makes its controls in a placeholder, exchanges them and checks
// what the manager's own ranges cannot: the parameters of one distribution against each other.
class CDistribPanel {
public:
    // The refusal of a distribution's parameters: a message resource and the parameter (from 0) whose
    // edit takes the focus.
    struct Refusal {
        UINT message = 0;
        int parameter = 0;
    };
    // The lower and upper bounds of a triangular distribution, or its mode outside them.
    static constexpr UINT kTriangularRefused = 300011234;
    static constexpr UINT kBoundsRefused = 13960;
    static constexpr UINT kProbabilitiesRefused = 13961;
    static constexpr UINT kParametersRefused = 13962;
    static constexpr UINT kMeansRefused = 13963;
    static constexpr UINT kMatrixRefused = 13964;
    static constexpr UINT kDegreesRefused = 13965;
    static constexpr UINT kCountsRefused = 13966;

    // Reads `file` from the host's distribution folder and makes the controls in `placeholder`; the
    // combo is shown only with a non-zero `showCombo`.
    void Open(CGUIBaseDlg& dlg, CDistribManagerData& data, const wchar_t* file, UINT placeholder,
              int showCombo);
    CDistribManager* GetManager() const { return m_pManager.get(); }
    // The manager's exchange, then, when storing, the check of the chosen distribution's parameters.
    void DoDataExchange(CGUIBaseDlg& dlg, CDataExchange* pDX);
    // The defaults of a reset: every offered distribution with its defaults, the first one chosen.
    void FillDefaults(CDistribManagerData& fresh);
    // A control notification: true when the manager took it.
    bool OnCommand(UINT id) { return m_pManager && m_pManager->OnCommand(id); }

    // What is wrong with the parameters that `data` keeps for its chosen distribution; nullopt when
    // nothing is.
    static std::optional<Refusal> CheckParameters(const CDistribManagerData& data);

private:
    std::unique_ptr<CDistribManager> m_pManager;
    CDistribManagerData* m_pData = nullptr;
};
