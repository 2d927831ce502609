#pragma once

#include "Private/StatisticsDlg.h"
#include "Private/StatisticsTabData.h"
#include "Private/StatisticsTilesDlg.h"
#include "Private/StemPlotDlg.h"
#include "Private/TabDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The composite dialogs of the descriptive-statistics menu. Each gives its pages the variants its
// record's kPageIDs name, for its own caption identifier only.

class CStatisticsTabDlg final
    : public CTabDlg<CStatisticsTabData, CStatisticsDlg, CStatisticsTilesDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override;
};

class CRowStatisticsTabDlg final
    : public CTabDlg<CRowStatisticsTabData, CStatisticsDlg, CStatisticsTilesDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override;
};

class CColumnStemPlotTabDlg final : public CTabDlg<CColumnStemPlotTabData, CStemPlotDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override;
};

class CRowStemPlotTabDlg final : public CTabDlg<CRowStemPlotTabData, CStemPlotDlg, CBootStrapDlg> {
protected:
    const PageCaptionTable& GetPageCaptions() const override;
};
