#pragma once

#include "Private/ConjointData.h"
#include "Private/OpenTabDlg.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of conjoint analysis: preferences, attributes, model, loss and, for the monotone losses,
// the iteration settings (least squares has a closed form).
class CConjointDlg : public CRecordDlg<CConjointData> {
public:
    enum : UINT {
        IDD = 2404,
        IDC_SOURCE_LIST = 1001,
        IDC_PREFERENCE_LIST = 1002,
        IDC_ADD_PREFERENCE = 1003,
        IDC_REMOVE_PREFERENCE = 1004,
        IDC_LIST_MENU_LABEL = 1005,
        IDC_ATTRIBUTE_LIST = 1006,
        IDC_ADD_ATTRIBUTE = 1007,
        IDC_REMOVE_ATTRIBUTE = 1008,
        IDC_ADDITIVE_RADIO = CConjointData::kModelRadioGroup,
        IDC_MULTIPLICATIVE_RADIO = 5622,
        IDC_LOSS_COMBO = CConjointData::kLossCombo,
        IDC_ITERATIONS_EDIT = 1011,
        IDC_ITERATIONS_LABEL = 1012,
        IDC_CONVERGENCE_EDIT = 1013,
        IDC_CONVERGENCE_LABEL = 1014,
    };

    explicit CConjointDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
};

class CConjointTabDlg final : public COpenTabDlg<CConjointTabData, CConjointDlg, CBootStrapDlg> {};
