#pragma once

#include "Private/CronbachData.h"
#include "Private/TabDlg.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The reliability page: the item variables.
class CCronbachDlg : public CRecordDlg<CCronbachData> {
public:
    enum : UINT {
        IDD = 2035,
        IDC_SOURCE_LIST = 1447,
        IDC_SELECTED_LIST = 1449,
        IDC_ADD = 1446,
        IDC_REMOVE = 1448,
        IDC_LIST_MENU_LABEL = 1450,
        kTargetMessage = 13186,
    };

    explicit CCronbachDlg(CGUIBaseDlg* parent = nullptr);
};

class CCronbachTabDlg final : public CTabDlg<CCronbachTabData, CCronbachDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override;
};
