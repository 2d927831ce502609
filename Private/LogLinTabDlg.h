#pragma once

#include "Private/LogLinDlg.h"
#include "Private/LogLinStatsDlg.h"
#include "Private/LogLinTabData.h"
#include "Private/LogLinZeroDlg.h"
#include "Private/TabCaptions.h"
#include "TvkDlgBase/CBootStrapDlg.h"

class CLogLinTabDlg final
    : public CTabDlg<CLogLinTabData, CLogLinDlg, CLogLinZeroDlg, CLogLinStatsDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override { return CaptionsOf<CLogLinTabData>(); }
};
