#include "Numerics/NumericalService.h"

#include <cmath>

#include "Numerics/Distributions.h"

std::unique_ptr<IDistribution> CNumericalService::CreateDistribution(int type) {
    return numerics::MakeDistribution(type);
}

bool CNumericalService::IsMissing(double value) {
    return std::isnan(value);
}
