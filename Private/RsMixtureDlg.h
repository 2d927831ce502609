#pragma once

#include <optional>
#include <vector>

#include "Private/RsMixtureData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The mixture design dialog. The degree belongs to the lattice, the bounds to the extreme vertices.
class CRsMixtureDlg : public CRecordDlg<CRsMixtureData> {
public:
    enum : UINT {
        IDD = 2402,
        IDC_LATTICE_RADIO = CRsMixtureData::kTypeRadioGroup,
        IDC_CENTROID_RADIO = 5612,
        IDC_VERTICES_RADIO = 5613,
        IDC_COMPONENTS_EDIT = 1001,
        IDC_DEGREE_EDIT = 1003,
        IDC_DEGREE_LABEL = 1004,
        IDC_LOWER_EDIT = 1005,
        IDC_LOWER_LABEL = 1006,
        IDC_UPPER_EDIT = 1007,
        IDC_UPPER_LABEL = 1008,
        IDC_REPLICATIONS_EDIT = 1009,
        IDC_RANDOM_CHECK = 1011,
        IDC_SAVE_CHECK = 1012,
        IDC_SAVE_FILE = 1013,
    };
    static constexpr UINT kBoundsMessage = 24504;
    static constexpr UINT kNoBoundsMessage = 24508;
    static constexpr UINT kUpperSumMessage = 24509;
    static constexpr UINT kUpperBelowLowerMessage = 24510;

    explicit CRsMixtureDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;

    // A bounds text that suits `components` components: empty, or that many numbers in [0, 1].
    static std::optional<std::vector<double>> ParseBounds(const CString& bounds, int components);

private:
    // The extreme vertices' bounds: given (lower, upper or both), each suiting the components, no upper
    // bound below its lower one, and room for a blend: the lower summing to at most 1, the upper to 1 at
    // least.
    void CheckBounds(CDataExchange* pDX);
    [[noreturn]] void Refuse(CDataExchange* pDX, UINT id, UINT message);
};
