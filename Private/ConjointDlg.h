#pragma once

#include "Private/ConjointData.h"
#include "Private/OpenTabDlg.h"
#include "Templates/2404_conjoint.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of conjoint analysis: preferences, attributes, model, loss and, for the monotone losses,
// the iteration settings (least squares has a closed form).
class CConjointDlg : public CRecordDlg<CConjointData>, public Template2404 {
public:
    enum : UINT {
        IDC_ADDITIVE_RADIO = CConjointData::kModelRadioGroup,
        IDC_LOSS_COMBO = CConjointData::kLossCombo,
    };

    explicit CConjointDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
};

class CConjointTabDlg final : public COpenTabDlg<CConjointTabData, CConjointDlg, CBootStrapDlg> {};
