// Boost's incomplete gamma function in double arithmetic takes its asymptotic series in 1 / x for every
// x above a - 50 once x passes 1000, which for a shape in the thousands or more sums hundreds of terms
// (the long double one takes Temme's expansion there, at 40 times the cost of the double one).
#include "Numerics/IncompleteGamma.h"

#include <boost/math/special_functions/gamma.hpp>
#include <cmath>

namespace numerics {

namespace {

namespace bp = boost::math::policies;
using Double = bp::policy<bp::promote_double<false>, bp::domain_error<bp::errno_on_error>,
                          bp::overflow_error<bp::errno_on_error>, bp::evaluation_error<bp::errno_on_error>>;

// From this shape on, and while x is within kWidest a of a, the expansion's double-precision coefficients
// keep 3e-13 of the smaller tail down to 1e-300 (the error of the erfc term's argument, times its
// square, dominates); further out they lose digits (3e-12 at 0.63 a).
constexpr double kLeastShape = 1000;
constexpr double kWidest = 0.4;

}  // namespace

std::optional<double> LargeShapeGammaTail(double a, double x, bool upper) {
    const double sigma = (x - a) / a;
    if (!(a >= kLeastShape && std::abs(sigma) <= kWidest))
        return std::nullopt;
    // The expansion gives the smaller tail: P below the mean, Q from it on.
    const double smaller = boost::math::detail::igamma_temme_large(
        a, x, Double(), static_cast<const boost::integral_constant<int, 53>*>(nullptr));
    return upper == (x >= a) ? smaller : 1 - smaller;
}

}  // namespace numerics
