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

    TVK_DIALOG(CConjointDlg, DoDataExchange, AddToolTips, UpdateDependentWindows, OnCtrlChanged);
};

class CConjointTabDlg final : public COpenTabDlg<CConjointTabData, CConjointDlg, CBootStrapDlg> {};
