#pragma once

#include "Private/XtabMultiwayStandData.h"
#include "Templates/2273_xtabmultiwaystand.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the standardized multiway tables composite.
class CXtabMultiwayStandDlg : public CRecordDlg<CXtabMultiwayStandData>, public Template2273 {
public:
    enum : UINT {
        IDC_SAVE_TYPE_COMBO = CXtabMultiwayStandData::kSaveTypeCombo,
        IDC_SEPARATE_RADIO = CXtabMultiwayStandData::kStrataRadioGroup,
        IDC_CROSSED_RADIO = CXtabMultiwayStandData::kCrossedStrataItem,
    };

    explicit CXtabMultiwayStandDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
