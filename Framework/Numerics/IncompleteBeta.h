#pragma once

#include <optional>

#include <boost/math/special_functions/beta.hpp>

#include "Numerics/DoublePolicy.h"

namespace numerics {

// The regularized incomplete beta function I_y(a, b) (upper: 1 - I_y(a, b)) where one shape is a whole
// number of at most 50 and the other at most 100: a finite sum of positive terms, several times faster
// than the general function. y and 1 - y are given each as itself (neither formed from the other). Nothing
// where the tail asked for is the small complement of such a sum, which would lose digits.
std::optional<double> FiniteBetaTail(double a, double b, double y, double yc, bool upper);

// 1 - I_x(a, b): Boost's own complement of a tail near 1 can be off in its 9th digit (ibetac(1/2, 1/2,
// 1e-16) by 3e-9, which the noncentral t and F series at a tiny argument carried), so where the tail is
// below one half the complement is 1 minus it. Above the mean the complement is most often the smaller
// one and taken first: one call of Boost where there would be two.
template <class Policy = DoublePolicy>
double BetaComplement(double a, double b, double x, const Policy& policy = Policy()) {
    if (x > a / (a + b))
        if (const double upper = boost::math::ibetac(a, b, x, policy); upper <= 0.5)
            return upper;
    const double tail = boost::math::ibeta(a, b, x, policy);
    return tail <= 0.5 ? 1 - tail : boost::math::ibetac(a, b, x, policy);
}

}  // namespace numerics
