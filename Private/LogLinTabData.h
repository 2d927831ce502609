#pragma once

#include "Private/LogLinData.h"
#include "Private/LogLinStatsData.h"
#include "Private/LogLinZeroData.h"
#include "Private/XTabTabData.h"
#include "Records/LogLinTabData.h"

// Loglinear models: model, structural zeros, statistics, resampling; the print setting put back after.
class CLogLinTabData
    : public CPrintResetTabData<CLogLinData, CLogLinZeroData, CLogLinStatsData, CBootStrapData>,
      public CLogLinTabDataValues {
public:
    static constexpr UINT kPageIDs[] = {0, 0, 0, 0};

    static CLogLinData GetDefaultLogLin() { return {}; }
    static CLogLinZeroData GetDefaultLogLinZero() { return {}; }
    static CLogLinStatsData GetDefaultLogLinStats() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};
