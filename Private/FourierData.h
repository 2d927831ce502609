#pragma once

#include "Records/FourierData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Fourier analysis of at most two series.
class CFourierData : public CRecordOptions<CFourierData>, public CFourierDataValues {
public:
    TVK_OPTIONS(FOURIER_OPTIONS)

    // The most lags the data allows: int(cases / 2) + 1, at most 50.
    static int GetUpperLimitLagEdit();
    static int GetFourierNonMissingCases();

    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
