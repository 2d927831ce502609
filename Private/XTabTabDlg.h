#pragma once

#include "Private/Stats2WayDlg.h"
#include "Private/TabCaptions.h"
#include "Private/XTab1WayDlg.h"
#include "Private/XTab2WayDlg.h"
#include "Private/XTabNWayDlg.h"
#include "Private/XTabTabData.h"
#include "Private/XtabCellStatisticsDlg.h"
#include "Private/XtabMultiwayStandDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The composite dialogs of the tables menu; each gives its pages the caption identifiers of its record.

class CXTab1WayTabDlg final
    : public CTabDlg<CXTab1WayTabData, CXTab1WayDlg, CXtabCellStatisticsDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override { return CaptionsOf<CXTab1WayTabData>(); }
};

class CXTab2WayTabDlg final
    : public CTabDlg<CXTab2WayTabData, CXTab2WayDlg, CStats2WayDlg, CXtabCellStatisticsDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override { return CaptionsOf<CXTab2WayTabData>(); }
};

class CXTabNWayTabDlg final
    : public CTabDlg<CXTabNWayTabData, CXTabNWayDlg, CXtabCellStatisticsDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override { return CaptionsOf<CXTabNWayTabData>(); }
};

class CXtabMultiwayTabDlg final
    : public CTabDlg<CXtabMultiwayTabData, CXtabMultiwayStandDlg, CStats2WayDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override { return CaptionsOf<CXtabMultiwayTabData>(); }
};
