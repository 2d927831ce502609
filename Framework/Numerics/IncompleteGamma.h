#pragma once

#include <optional>

namespace numerics {

// The regularized incomplete gamma function, P(a, x) or its upper tail Q(a, x), at a large shape a near
// its mean, by Temme's uniform asymptotic expansion in double arithmetic; nothing outside that region.
std::optional<double> LargeShapeGammaTail(double a, double x, bool upper);

}  // namespace numerics
