#pragma once

#include <boost/math/policies/policy.hpp>

namespace numerics {

// Boost's special functions in double arithmetic, errors as NaN (no exceptions): the policy of the
// service's own algorithms.
using DoublePolicy = boost::math::policies::policy<
    boost::math::policies::promote_double<false>,
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

}  // namespace numerics
