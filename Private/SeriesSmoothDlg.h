#pragma once

#include "Private/SeriesSmoothData.h"
#include "Templates/2050_seriessmooth.h"
#include "TvkBaseGui/CRecordDlg.h"

// The series smoothing dialog: a running mean, a running median or weights.
class CSeriesSmoothDlg : public CRecordDlg<CSeriesSmoothData>, public Template2050 {
public:
    // The message of the weights' text exchange.
    static constexpr UINT kWeightMessage = 12742;

    explicit CSeriesSmoothDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
};
