#pragma once

#include "Private/XTab2WayData.h"
#include "Templates/2271_xtab2way.h"
#include "TvkBaseGui/CRecordDlg.h"

// The table page of the two-way tables composite.
class CXTab2WayDlg : public CRecordDlg<CXTab2WayData>, public Template2271 {
public:
    enum : UINT {
        IDC_SAVE_TYPE_COMBO = CXTab2WayData::kSaveTypeCombo,
        // The source list's second context command: the selection becomes column variables.
        kAddToColumnCommand = 33002,
    };

    explicit CXTab2WayDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
