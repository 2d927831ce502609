#pragma once

#include "Private/SeriesSmoothData.h"
#include "Templates/2050_seriessmooth.h"
#include "TvkBaseGui/CRecordDlg.h"

// The series smoothing dialog: a running mean, a running median or weights.
class CSeriesSmoothDlg : public CRecordDlg<CSeriesSmoothData>,
                         public Template2050,
                         public CSeriesSmoothDlgValues {
public:
    TVK_DIALOG(CSeriesSmoothDlg, DoDataExchange);
};
