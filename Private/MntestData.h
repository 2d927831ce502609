#pragma once

#include "Records/MntestData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Tests of multivariate normality, with the cases' Mahalanobis distances saved on request.
class CMntestData : public CRecordOptions<CMntestData> {
public:
    TVK_OPTIONS(MNTEST_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
