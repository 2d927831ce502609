#pragma once

#include "Private/CronbachData.h"
#include "Private/TabDlg.h"
#include "Templates/2035_cronbach.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The reliability page: the item variables.
class CCronbachDlg : public CRecordDlg<CCronbachData>, public Template2035 {
public:
    enum : UINT {
        kTargetMessage = 13186,
    };

    TVK_DIALOG(CCronbachDlg);
};

class CCronbachTabDlg final : public CTabDlg<CCronbachTabData, CCronbachDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override;
};
