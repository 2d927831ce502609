#pragma once

#include "HostApi/CModuleBase.h"
#include "HostApi/Numerics.h"
#include "TvkApi.h"

// The numerical service a host offers as its module "TvkNumerics": Boost.Math where it has the
// distribution, our own code for the others (Numerics/Distributions.h).
class TVK_API CNumericalService final : public CModuleBase<INumericalService> {
public:
    CNumericalService() : CModuleBase(L"TvkNumerics") {}
    std::unique_ptr<IDistribution> CreateDistribution(int type) override;
    bool IsMissing(double value) override;
};
