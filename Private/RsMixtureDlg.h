#pragma once

#include <optional>
#include <vector>

#include "Private/RsMixtureData.h"
#include "Templates/2402_rsmixture.h"
#include "TvkBaseGui/CRecordDlg.h"

// The mixture design dialog. The degree belongs to the lattice, the bounds to the extreme vertices.
class CRsMixtureDlg : public CRecordDlg<CRsMixtureData>, public Template2402, public CRsMixtureDlgValues {
public:
    enum : UINT {
        IDC_LATTICE_RADIO = CRsMixtureData::kTypeRadioGroup,
    };

    TVK_DIALOG(CRsMixtureDlg, DoDataExchange, UpdateDependentWindows);

    // A bounds text that suits `components` components: empty, or that many numbers in [0, 1].
    static std::optional<std::vector<double>> ParseBounds(const CString& bounds, int components);

private:
    // The extreme vertices' bounds: given (lower, upper or both), each suiting the components, no upper
    // bound below its lower one, and room for a blend: the lower summing to at most 1, the upper to 1 at
    // least.
    void CheckBounds(CDataExchange* pDX);
    [[noreturn]] void Refuse(CDataExchange* pDX, UINT id, UINT message);
};
