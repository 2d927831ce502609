#pragma once

#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/beta.hpp>

namespace numerics {

// Boost's special functions in double arithmetic, errors as NaN (no exceptions): the policy of the
// service's own algorithms.
using DoublePolicy = boost::math::policies::policy<
    boost::math::policies::promote_double<false>,
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

// 1 - I_x(a, b): Boost's own complement of a tail near 1 can be off in its 9th digit (ibetac(1/2, 1/2,
// 1e-16) by 3e-9, which the noncentral t and F series at a tiny argument carried), so where the tail is
// below one half the complement is 1 minus it.
template <class Policy = DoublePolicy>
double BetaComplement(double a, double b, double x, const Policy& policy = Policy()) {
    const double tail = boost::math::ibeta(a, b, x, policy);
    return tail <= 0.5 ? 1 - tail : boost::math::ibetac(a, b, x, policy);
}

}  // namespace numerics
