#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/PosacData.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of partial order scalogram analysis: profile variables, one frequency variable, the number
// of categories (while recoding) and the iteration settings.
class CPosacDlg : public CRecordDlg<CPosacData> {
public:
    enum : UINT {
        IDD = 2403,
        IDC_SOURCE_LIST = 1001,
        IDC_PROFILE_LIST = 1002,
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_LIST_MENU_LABEL = 1005,
        IDC_FREQUENCY_LIST = 1006,
        IDC_ADD_FREQUENCY = 1007,
        IDC_REMOVE_FREQUENCY = 1008,
        IDC_CATEGORIES_CHECK = 1009,
        IDC_CATEGORIES_EDIT = 1010,
        IDC_ITERATIONS_EDIT = 1011,
        IDC_CONVERGENCE_EDIT = 1013,
    };

    explicit CPosacDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

class CPosacTabDlg final : public COpenTabDlg<CPosacTabData, CPosacDlg, CBootStrapDlg> {};
