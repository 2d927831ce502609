// Boost's incomplete gamma function in double arithmetic takes its asymptotic series in 1 / x for every
// x above a - 50 once x passes 1000, which for a shape in the thousands or more sums hundreds of terms
// (the long double one takes Temme's expansion there, at 40 times the cost of the double one).
#include "Numerics/IncompleteGamma.h"

#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/special_functions/log1p.hpp>
#include <cmath>
#include <numbers>

#include "Numerics/DoublePolicy.h"

namespace numerics {

namespace {

// From this shape on, and while x is within kWidest a of a, the expansion's double-precision coefficients
// keep 3e-13 of the smaller tail down to 1e-300 (the error of the erfc term's argument, times its
// square, dominates); further out they lose digits (3e-12 at 0.63 a).
constexpr double kLeastShape = 1000;
constexpr double kWidest = 0.4;

bool InWindow(double a, double sigma) {
    return a >= kLeastShape && std::abs(sigma) <= kWidest;
}

// x^a e^-x / Gamma(a) at x = a (1 + sigma): e^(-a phi) sqrt(a / 2 pi) / e^c(a), phi = sigma - ln(1 + sigma)
// formed without cancellation, c(a) Stirling's series for ln Gamma(a) (its next term is below 1e-19
// from a = 1000 on).
double Front(double a, double sigma) {
    const double phi = -boost::math::log1pmx(sigma, DoublePolicy());
    const double r = 1 / a, r2 = r * r;
    const double stirling = r * (1.0 / 12 - r2 * (1.0 / 360 - r2 / 1260));
    return std::exp(-a * phi - stirling) * std::sqrt(a / (2 * std::numbers::pi));
}

}  // namespace

std::optional<double> LargeShapeGammaTail(double a, double x, bool upper) {
    const double sigma = (x - a) / a;
    if (!InWindow(a, sigma))
        return std::nullopt;
    // The expansion gives the smaller tail: P below the mean, Q from it on.
    const double smaller = boost::math::detail::igamma_temme_large(
        a, x, DoublePolicy(), static_cast<const boost::integral_constant<int, 53>*>(nullptr));
    return upper == (x >= a) ? smaller : 1 - smaller;
}

std::optional<double> LargeShapeGammaDensity(double a, double x) {
    const double sigma = (x - a) / a;
    if (!InWindow(a, sigma))
        return std::nullopt;
    return Front(a, sigma) / x;
}

std::optional<double> LargeShapeGammaQuantile(double a, double p) {
    if (!(a >= kLeastShape))
        return std::nullopt;
    // Wilson and Hilferty's cube of a normal quantile (within 1e-5 of a here), then Halley's steps on the
    // tail that holds p: f'' / f' of P is (a - 1) / x - 1.
    const double z = -std::numbers::sqrt2 * boost::math::erfc_inv(2 * p, DoublePolicy());
    const double c = 1 - 1 / (9 * a) + z / (3 * std::sqrt(a));
    double x = a * c * c * c;
    const bool lower = p <= 0.5;
    for (int step = 0; step < 12; ++step) {
        const auto tail = LargeShapeGammaTail(a, x, !lower);
        const auto density = LargeShapeGammaDensity(a, x);
        if (!tail || !density || !(*density > 0))
            return std::nullopt;
        const double ratio = (lower ? *tail - p : (1 - p) - *tail) / *density;
        const double next = x - ratio / (1 - ratio * ((a - 1) / x - 1) / 2);
        if (std::abs(next - x) <= 4 * std::numeric_limits<double>::epsilon() * x)
            return next;
        x = next;
    }
    return std::nullopt;
}

double GammaUpperTail(double a, double x) {
    const auto large = LargeShapeGammaTail(a, x, true);
    return large ? *large : boost::math::gamma_q(a, x, DoublePolicy());
}

}  // namespace numerics
