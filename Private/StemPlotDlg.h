#pragma once

#include "Private/StemPlotData.h"
#include "Templates/2232_stemplot.h"
#include "TvkBaseGui/CRecordDlg.h"

// The stem-and-leaf page of the column (2048) and row (2273) composites.
class CStemPlotDlg : public CRecordDlg<CStemPlotData>, public Template2232 {
public:
    TVK_DIALOG(CStemPlotDlg, DoDataExchange);

    int SetAllDefault() override;
};
