#pragma once

#include "Private/LogLinData.h"
#include "Private/LogLinStatsData.h"
#include "Private/LogLinZeroData.h"
#include "Private/XTabTabData.h"

// Loglinear models: model, structural zeros, statistics, resampling; the print setting put back after.
class CLogLinTabData
    : public CPrintResetTabData<CLogLinData, CLogLinZeroData, CLogLinStatsData, CBootStrapData> {
public:
    static constexpr UINT kCaptionID = 2147;
    static constexpr UINT kPageIDs[] = {0, 0, 0, 0};

    static CLogLinData GetDefaultLogLin() { return {}; }
    static CLogLinZeroData GetDefaultLogLinZero() { return {}; }
    static CLogLinStatsData GetDefaultLogLinStats() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};
