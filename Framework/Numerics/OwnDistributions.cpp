// The distributions Boost.Math lacks: closed forms, sums, and the studentized range and maximum
// modulus by quadrature.
#include <algorithm>
#include <array>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/expint.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/special_functions/log1p.hpp>
#include <boost/math/tools/roots.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "Numerics/Distributions.h"
#include "Numerics/DoublePolicy.h"
#include "Numerics/IncompleteGamma.h"

namespace numerics {

namespace {

constexpr double kPi = 3.141592653589793238462643383279502884;
constexpr double kSqrt2 = 1.414213562373095048801688724209698079;
constexpr double kLnSqrt2Pi = 0.918938533204672741780329736406;
// ln of the largest double and of the least (subnormal) one.
constexpr double kLogLargest = 709.782712893384;
constexpr double kLogLeast = -744.4400719213812;

bool IsInteger(double v) {
    return v == std::floor(v) && std::abs(v) < 2147483648.0;
}

// Normal tails, each to full relative accuracy.
double Phi(double z) {
    return 0.5 * std::erfc(-z / kSqrt2);
}
double PhiUpper(double z) {
    return 0.5 * std::erfc(z / kSqrt2);
}
double PhiDensity(double z) {
    return std::exp(-0.5 * z * z) / std::sqrt(2 * kPi);
}
// 1 - e^-z for z >= 0 to full relative accuracy. Past ln 2, e^-z is below 1/2 and 1 minus it loses no
// digit, and exp costs half of what expm1 does.
double OneMinusExp(double z) {
    return z > std::numbers::ln2 ? 1 - std::exp(-z) : -std::expm1(-z);
}
// Wichura's AS 241 (PPND16): rational functions in p - 1/2 centrally and in sqrt(-ln p) in the tails,
// about 1e-16 relative throughout, down to the least denormal p. p - 1/2 and 1 - p are exact where used.
// c[0] + c[1] x + ... by Horner's rule, unrolled: the coefficients are constants of known count.
template <std::size_t N>
double Horner(double x, const std::array<double, N>& c) {
    double sum = c[N - 1];
    for (std::size_t i = N - 1; i-- > 0;)
        sum = sum * x + c[i];
    return sum;
}
double PhiInverse(double p) {
    static constexpr std::array<double, 8> kCentralTop{3.3871328727963666080e0,  1.3314166789178437745e+2,
                                                       1.9715909503065514427e+3, 1.3731693765509461125e+4,
                                                       4.5921953931549871457e+4, 6.7265770927008700853e+4,
                                                       3.3430575583588128105e+4, 2.5090809287301226727e+3};
    static constexpr std::array<double, 8> kCentralBottom{1.0,
                                                          4.2313330701600911252e+1,
                                                          6.8718700749205790830e+2,
                                                          5.3941960214247511077e+3,
                                                          2.1213794301586595867e+4,
                                                          3.9307895800092710610e+4,
                                                          2.8729085735721942674e+4,
                                                          5.2264952788528545610e+3};
    static constexpr std::array<double, 8> kNearTop{1.42343711074968357734e0,  4.63033784615654529590e0,
                                                    5.76949722146069140550e0,  3.64784832476320460504e0,
                                                    1.27045825245236838258e0,  2.41780725177450611770e-1,
                                                    2.27238449892691845833e-2, 7.74545014278341407640e-4};
    static constexpr std::array<double, 8> kNearBottom{1.0,
                                                       2.05319162663775882187e0,
                                                       1.67638483018380384940e0,
                                                       6.89767334985100004550e-1,
                                                       1.48103976427480074590e-1,
                                                       1.51986665636164571966e-2,
                                                       5.47593808499534494600e-4,
                                                       1.05075007164441684324e-9};
    static constexpr std::array<double, 8> kFarTop{6.65790464350110377720e0,  5.46378491116411436990e0,
                                                   1.78482653991729133580e0,  2.96560571828504891230e-1,
                                                   2.65321895265761230930e-2, 1.24266094738807843860e-3,
                                                   2.71155556874348757815e-5, 2.01033439929228813265e-7};
    static constexpr std::array<double, 8> kFarBottom{1.0,
                                                      5.99832206555887937690e-1,
                                                      1.36929880922735805310e-1,
                                                      1.48753612908506148525e-2,
                                                      7.86869131145613259100e-4,
                                                      1.84631831751005468180e-5,
                                                      1.42151175831644588870e-7,
                                                      2.04426310338993978564e-15};
    const double q = p - 0.5;
    if (std::abs(q) <= 0.425) {
        const double r = 0.180625 - q * q;
        return q * Horner(r, kCentralTop) / Horner(r, kCentralBottom);
    }
    const double r = std::sqrt(-std::log(q < 0 ? p : 1 - p));
    const double x = r <= 5 ? Horner(r - 1.6, kNearTop) / Horner(r - 1.6, kNearBottom)
                            : Horner(r - 5, kFarTop) / Horner(r - 5, kFarBottom);
    return q < 0 ? -x : x;
}

// Nodes and weights of the N-point Gauss-Legendre rule on [-1, 1], by Newton's method on the
// three-term recurrence of the Legendre polynomials.
template <int N>
struct GaussLegendreRule {
    static constexpr int kPoints = N;
    double x[kPoints];
    double w[kPoints];
    GaussLegendreRule() {
        for (int i = 0; i < kPoints / 2; ++i) {
            double z = std::cos(kPi * (i + 0.75) / (kPoints + 0.5));
            double dp = 0;
            for (int iteration = 0; iteration < 100; ++iteration) {
                double p0 = 1, p1 = 0;
                for (int j = 1; j <= kPoints; ++j) {
                    const double p2 = p1;
                    p1 = p0;
                    p0 = ((2 * j - 1) * z * p1 - (j - 1) * p2) / j;
                }
                dp = kPoints * (z * p0 - p1) / (z * z - 1);
                const double step = p0 / dp;
                z -= step;
                if (std::abs(step) < 1e-17)
                    break;
            }
            x[i] = -z;
            x[kPoints - 1 - i] = z;
            w[i] = w[kPoints - 1 - i] = 2 / ((1 - z * z) * dp * dp);
        }
    }
};

using GaussLegendre = GaussLegendreRule<16>;

template <int N = 16>
const GaussLegendreRule<N>& Rule() {
    static const GaussLegendreRule<N> rule;
    return rule;
}

// The x > 0 whose cumulative value is p, solved for ln x against the logarithm of the nearer tail,
// which is close to linear in both tails: steps from the guess that double until the root is
// bracketed, then TOMS 748; both bounded.
template <class Cdf, class Ccdf>
double SolveOnLogScale(double p, double guess, Cdf cdf, Ccdf ccdf) {
    const bool lower = p <= 0.5;
    const double target = lower ? std::log(p) : std::log(1 - p);
    const auto f = [&](double y) {
        const double x = std::exp(y);
        const double v = lower ? std::log(cdf(x)) - target : target - std::log(ccdf(x));
        return std::isnan(v) ? v : std::clamp(v, -1e4, 1e4);
    };
    double a = std::log(guess), b = a;
    double fa = f(a), fb = fa;
    if (!(std::isfinite(fa)))
        return kMissingValue;
    if (fa == 0)
        return guess;
    for (double step = 1; step < 4096; step *= 2) {
        if (fa < 0) {
            b = a + step;
            fb = f(b);
            if (!(fb < 0))
                break;
            a = b;
            fa = fb;
        } else {
            b = a;
            fb = fa;
            a = b - step;
            fa = f(a);
            if (!(fa > 0))
                break;
        }
    }
    if (!(fa <= 0 && fb >= 0))
        return kMissingValue;
    std::uintmax_t iterations = 100;
    const auto r = boost::math::tools::toms748_solve(
        f, a, b, fa, fb, boost::math::tools::eps_tolerance<double>(52), iterations);
    return std::exp((r.first + r.second) / 2);
}

// A continuous distribution with closed forms on a standardised variable.
class ClosedForm : public DistributionBase {
public:
    bool IsDiscrete() const override { return false; }
};

// One with a location m and a scale s > 0.
class LocationScale : public ClosedForm {
protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        m = p[0];
        s = p[1];
        perScale = 1 / s;
        return s > 0;
    }
    // (x - m) / s through the reciprocal, a product in place of a quotient. Where that is no finite
    // double: with a denormal scale (whose reciprocal overflows) the quotient itself; with x - m beyond
    // the doubles, two quotients (x and m then have opposite signs).
    double Standard(double x) const {
        const double z = (x - m) * perScale;
        if (std::isfinite(z))
            return z;
        const double d = x - m;
        return std::isfinite(d) ? d / s : x / s - m / s;
    }
    double m = 0, s = 1, perScale = 1;
};

// ENORM: logit(X) is normal with mean m and sd s; X lies in (0, 1).
class LogitNormal : public LocationScale {
protected:
    double Z(double x) const { return (std::log(x) - std::log1p(-x) - m) / s; }
    // In logarithms: with a denormal sd or x the quotient of the normal density by s x (1 - x) is
    // 0 / 0 or inf / inf where the density itself is a double.
    double Pdf(double x) const override {
        if (x <= 0 || x >= 1)
            return 0.0;
        const double logX = std::log(x), logRest = std::log1p(-x);
        const double y = logX - logRest;
        const double z = std::isfinite(y - m) ? (y - m) / s : y / s - m / s;
        return std::exp(-0.5 * z * z - std::log(s) - logX - logRest - kLnSqrt2Pi);
    }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : x >= 1 ? 1.0 : Phi(Z(x)); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : x >= 1 ? 0.0 : PhiUpper(Z(x)); }
    double Quantile(double p) const override {
        const double y = m + s * (p <= 0.5 ? PhiInverse(p) : -PhiInverse(1 - p));
        return 1 / (1 + std::exp(-y));
    }
};

// Normal and lognormal: the density as one exponential with the logarithm of its factor 1 / (s sqrt(2 pi))
// folded in, which neither over- nor underflows midway for a scale near the ends of the doubles.
template <bool kLog>
class NormalLaw : public LocationScale {
public:
    static constexpr bool kPlain = true;

protected:
    bool Accept(std::span<const double> p) override {
        logFactor = -std::log(p[1]) - kLnSqrt2Pi;
        return LocationScale::Accept(p);
    }
    // With y - m beyond the doubles, two quotients (y and m then have opposite signs).
    double Z(double y) const {
        const double d = y - m;
        return std::isfinite(d) ? d / s : y / s - m / s;
    }
    double Pdf(double x) const override {
        if (kLog && x <= 0)
            return 0.0;
        const double y = kLog ? std::log(x) : x, z = Z(y);
        return std::exp(logFactor - 0.5 * z * z - (kLog ? y : 0.0));
    }
    double Cdf(double x) const override {
        if (kLog && x <= 0)
            return 0.0;
        return Phi(Z(kLog ? std::log(x) : x));
    }
    double Ccdf(double x) const override {
        if (kLog && x <= 0)
            return 1.0;
        return PhiUpper(Z(kLog ? std::log(x) : x));
    }
    double Quantile(double p) const override {
        const double y = m + s * PhiInverse(p);
        return kLog ? std::exp(y) : y;
    }
    double logFactor = -kLnSqrt2Pi;
};

// Cauchy with location m and scale s. Each tail is atan(1 / |z|) / pi beyond |z| = 1 (no cancellation far
// out), 1/2 -+ atan(z) / pi inside; the quantile's tangent is taken of an angle that is exact.
class Cauchy : public LocationScale {
public:
    static constexpr bool kPlain = true;

protected:
    bool Accept(std::span<const double> p) override {
        factor = 1 / (kPi * p[1]);
        logFactor = -std::log(kPi * p[1]);
        return LocationScale::Accept(p);
    }
    // The plain quotient where it is a positive double (one test for all that can go wrong: x - m beyond
    // the doubles, a denormal scale whose 1 / (pi s) overflows, z^2 beyond the doubles).
    double Pdf(double x) const override {
        const double z = (x - m) * perScale, density = factor / (1 + z * z);
        if (density > 0 && density < INFINITY)
            return density;
        const double w = Standard(x);
        return std::isfinite(factor) ? factor / (1 + w * w) : std::exp(logFactor - std::log1p(w * w));
    }
    double Upper(double z) const {
        return z > 1     ? std::atan(1 / z) / kPi
               : z >= -1 ? 0.5 - std::atan(z) / kPi
                         : 1 - std::atan(-1 / z) / kPi;
    }
    double Cdf(double x) const override { return Upper(-Standard(x)); }
    double Ccdf(double x) const override { return Upper(Standard(x)); }
    double Quantile(double p) const override {
        if (p < 0.25)
            return m - s / std::tan(kPi * p);
        if (p > 0.75)
            return m + s / std::tan(kPi * (1 - p));
        return m + s * std::tan(kPi * (p - 0.5));
    }
    double factor = 1 / kPi, logFactor = -std::log(kPi);
};

// Weibull with shape k and scale a, on z = x / a: the density k / a z^(k-1) exp(-z^k) as such where its
// parts are doubles, else in logarithms (z^k overflows for a huge shape, z^(k-1) at 0 for a small one).
class Weibull : public ClosedForm {
public:
    static constexpr bool kPlain = true;

protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        k = p[0];
        a = p[1];
        factor = k / a;
        perShape = 1 / k;
        return k > 0 && a > 0;
    }
    double Pdf(double x) const override {
        if (x < 0)
            return 0.0;
        const double z = x / a, power = std::pow(z, k - 1);
        if (power >= std::numeric_limits<double>::min() && power < 1e300 && std::isfinite(factor)) {
            const double density = factor * power * std::exp(-power * z);
            if (std::isfinite(density))
                return density;
        }
        // ln z apart, since x / a overflows for a denormal scale (inf - inf); a power 0 of x = 0 is 1.
        const double logZ = std::log(x) - std::log(a), hazard = std::exp(k * logZ);
        // z^k beyond the doubles leaves exp(-z^k) far below anything k / a z^(k-1) can lift (inf - inf with
        // the largest shape).
        if (hazard == INFINITY)
            return 0.0;
        const double logPower = k == 1 ? 0.0 : (k - 1) * logZ;
        return std::exp(std::log(k) - std::log(a) + logPower - hazard);
    }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : -std::expm1(-std::pow(x / a, k)); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : std::exp(-std::pow(x / a, k)); }
    double Quantile(double p) const override {
        return a * std::pow(p <= 0.5 ? -std::log1p(-p) : -std::log(1 - p), perShape);
    }
    double k = 1, a = 1, factor = 1, perShape = 1;
};

// Gompertz with hazard B c^x on x >= 0: the cumulative hazard is B / ln c (c^x - 1).
class Gompertz : public ClosedForm {
protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        B = p[0];
        b = std::log(p[1]);
        return p[0] > 0 && p[1] > 1;
    }
    // B / b overflows for a rate near 1, where expm1(b x) / b is about x.
    double H(double x) const { return B * (std::expm1(b * x) / b); }
    double Pdf(double x) const override {
        if (x < 0)
            return 0.0;
        // e^(b x) overflows first, but e^-H falls far faster: nothing is left.
        const double h = H(x);
        return std::isinf(h) ? 0.0 : B * std::exp(b * x - h);
    }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : -std::expm1(-H(x)); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : std::exp(-H(x)); }
    double Quantile(double p) const override {
        const double h = p <= 0.5 ? -std::log1p(-p) : -std::log(1 - p);
        return std::log1p(h * b / B) / b;
    }
    double B = 1, b = 1;
};

// Log-logistic with scale a and shape k: F(x) = 1 / (1 + (x / a)^-k), through t = k ln(x / a).
class LogLogistic : public ClosedForm {
protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        a = p[0];
        k = p[1];
        return a > 0 && k > 0;
    }
    double Tval(double x) const { return k * std::log(x / a); }
    double Pdf(double x) const override {
        if (x <= 0)
            return 0.0;
        // In logarithms: k / x overflows for a denormal x where e underflows.
        const double t = std::abs(Tval(x));
        return std::exp(std::log(k) - std::log(x) - t - 2 * std::log1p(std::exp(-t)));
    }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : 1 / (1 + std::exp(-Tval(x))); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : 1 / (1 + std::exp(Tval(x))); }
    double Quantile(double p) const override {
        const double t = p <= 0.5 ? std::log(p) - std::log1p(-p) : std::log1p(-(1 - p)) - std::log(1 - p);
        return a * std::exp(t / k);
    }
    double a = 1, k = 1;
};

// Exponential with location m (the least value) and scale s, on z = (x - m) / s: a rate 1 / s would
// overflow for a denormal scale. ln s is folded into the density's exponential for the same reason.
class Exponential : public LocationScale {
public:
    static constexpr bool kPlain = true;

protected:
    bool Accept(std::span<const double> p) override {
        logScale = std::log(p[1]);
        return LocationScale::Accept(p);
    }
    double Pdf(double x) const override { return x < m ? 0.0 : std::exp(-Standard(x) - logScale); }
    // z below 0 (x below m) as 0: the tails of z = 0 are the ones there.
    double Cdf(double x) const override { return OneMinusExp(std::max(Standard(x), 0.0)); }
    double Ccdf(double x) const override { return std::exp(-std::max(Standard(x), 0.0)); }
    double Quantile(double p) const override {
        return m + s * (p <= 0.5 ? -std::log1p(-p) : -std::log(1 - p));
    }
    double logScale = 0;
};

// Rayleigh with scale s, through z = x / s: Boost squares x and s apart, which under- or overflows at
// scales near the ends of the doubles (0 / 0 at s = x = 2.2e-308).
class Rayleigh : public ClosedForm {
protected:
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        s = p[0];
        return s > 0 && std::isfinite(s);
    }
    double Pdf(double x) const override {
        const double z = x / s;
        if (x <= 0 || std::isinf(z))
            return 0.0;
        const double density = z / s * std::exp(-z * z / 2);
        return std::isfinite(density) ? density : std::exp(std::log(z) - std::log(s) - z * z / 2);
    }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : -std::expm1(-(x / s) * (x / s) / 2); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : std::exp(-(x / s) * (x / s) / 2); }
    double Quantile(double p) const override {
        return s * std::sqrt(2 * (p <= 0.5 ? -std::log1p(-p) : -std::log(1 - p)));
    }
    double s = 1;
};

// Smallest extreme value with location m and scale s: P(X > x) = exp(-exp((x - m) / s)).
class SmallestExtremeValue : public LocationScale {
protected:
    double Pdf(double x) const override {
        const double z = (x - m) / s, e = std::exp(z);
        // z - e is inf - inf far above m (a denormal scale), where the density is 0.
        return std::isinf(e) ? 0.0 : std::exp(z - e) / s;
    }
    double Cdf(double x) const override { return -std::expm1(-std::exp((x - m) / s)); }
    double Ccdf(double x) const override { return std::exp(-std::exp((x - m) / s)); }
    double Quantile(double p) const override {
        const double e = p <= 0.5 ? -std::log1p(-p) : -std::log(1 - p);
        return m + s * std::log(e);
    }
};

// Pareto with scale m (the least value) and shape a. Boost's cumulative function is 1 - (m / x)^a,
// which loses every digit just above m; here it is -expm1(a log(m / x)).
class Pareto : public ClosedForm {
protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        m = p[0];
        a = p[1];
        return m > 0 && a > 0;
    }
    // a / x overflows for a huge shape over a tiny x, where the power is far below the least double:
    // then the whole as one exponential.
    double Pdf(double x) const override {
        if (x < m)
            return 0.0;
        const double logPower = a * std::log(m / x), scale = a / x;
        return std::isfinite(scale) ? scale * std::exp(logPower)
                                    : std::exp(std::log(a) - std::log(x) + logPower);
    }
    double Cdf(double x) const override { return x <= m ? 0.0 : -std::expm1(-a * std::log1p((x - m) / m)); }
    double Ccdf(double x) const override { return x <= m ? 1.0 : std::exp(-a * std::log1p((x - m) / m)); }
    double Quantile(double p) const override {
        const double logUpper = p <= 0.5 ? std::log1p(-p) : std::log(1 - p);
        return m * std::exp(-logUpper / a);
    }
    double m = 1, a = 1;
};

// The width b - a of a law on [a, b], which overflows for bounds near the largest doubles: then every
// length is taken at half scale, and the density is halved with it.
struct Interval {
    double a = 0, b = 1, scale = 1;
    void Set(double lo, double hi) {
        scale = std::isfinite(hi - lo) ? 1.0 : 0.5;
        a = lo * scale;
        b = hi * scale;
    }
    double At(double x) const { return x * scale; }
    double Back(double y) const { return scale == 1 ? y : 2 * y; }
};

class Uniform : public ClosedForm {
public:
    static constexpr bool kPlain = true;

protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        r.Set(p[0], p[1]);
        lo = p[0];
        hi = p[1];
        w = r.b - r.a;
        perWidth = 1 / w;
        density = r.scale / w;
        return p[0] < p[1];
    }
    // Products with the reciprocal width: within an ulp of the quotients, at a fraction of their cost;
    // the quotients where a denormal width's reciprocal overflows.
    double Pdf(double x) const override { return x < lo || x > hi ? 0.0 : density; }
    double Cdf(double x) const override {
        const double y = r.At(x);
        return y <= r.a ? 0.0 : y >= r.b ? 1.0 : Share(y - r.a);
    }
    double Ccdf(double x) const override {
        const double y = r.At(x);
        return y <= r.a ? 1.0 : y >= r.b ? 0.0 : Share(r.b - y);
    }
    // y - a rounds up to past the width where a is -1e308 and b is 1 (the share was 1 + 2e-16).
    double Share(double d) const { return std::min(1.0, perWidth < INFINITY ? d * perWidth : d / w); }
    double Quantile(double p) const override { return r.Back(p <= 0.5 ? r.a + p * w : r.b - (1 - p) * w); }
    Interval r;
    double lo = 0, hi = 1, w = 1, perWidth = 1, density = 1;
};

// Triangular on [a, b] with mode c. Each tail is a sum of positive terms, so that neither loses digits
// when the mode is near a bound (and none of them overflows on the widest support).
class Triangular : public ClosedForm {
protected:
    int Count() const override { return 3; }
    bool Accept(std::span<const double> p) override {
        r.Set(p[0], p[1]);
        c = r.At(p[2]);
        return p[0] < p[1] && p[0] <= p[2] && p[2] <= p[1];
    }
    double Pdf(double x) const override {
        const double y = r.At(x);
        if (y < r.a || y > r.b)
            return 0.0;
        // The height at the mode, 2 / (b - a), times the way up from the nearer bound, in this order: half
        // a denormal width is 0, and its reciprocal may pass the largest double where the density does not.
        const double up = y < c ? (y - r.a) / (c - r.a) : y > c ? (r.b - y) / (r.b - c) : 1.0;
        return 2 * up / (r.b - r.a) * r.scale;
    }
    // F(y) for y <= c and 1 - F(y) for y >= c.
    double Left(double y) const { return (y - r.a) / (r.b - r.a) * ((y - r.a) / (c - r.a)); }
    double Right(double y) const { return (r.b - y) / (r.b - r.a) * ((r.b - y) / (r.b - c)); }
    double Cdf(double x) const override {
        const double y = r.At(x);
        if (y <= r.a)
            return 0.0;
        if (y >= r.b)
            return 1.0;
        if (y <= c)
            return Left(y);
        return (c - r.a) / (r.b - r.a) + (y - c) / (r.b - r.a) * (1 + (r.b - y) / (r.b - c));
    }
    double Ccdf(double x) const override {
        const double y = r.At(x);
        if (y <= r.a)
            return 1.0;
        if (y >= r.b)
            return 0.0;
        if (y >= c)
            return Right(y);
        return (r.b - c) / (r.b - r.a) + (c - y) / (r.b - r.a) * (1 + (y - r.a) / (c - r.a));
    }
    double Quantile(double p) const override {
        const double w = r.b - r.a, q = 1 - p;
        // The distances to both bounds, each free of cancellation; the nearer bound is added to.
        double toA = 0, toB = 0;
        if (p <= (c - r.a) / w) {
            toA = std::sqrt(p) * std::sqrt(w) * std::sqrt(c - r.a);
            toB = ((r.b - c) + q * (c - r.a)) / (1 + std::sqrt(p * ((c - r.a) / w)));
        } else {
            toB = std::sqrt(q) * std::sqrt(w) * std::sqrt(r.b - c);
            toA = ((c - r.a) + p * (r.b - c)) / (1 + std::sqrt(q * ((r.b - c) / w)));
        }
        return r.Back(toA <= toB ? r.a + toA : r.b - toB);
    }
    Interval r;
    double c = 0.5;
};

// Logistic with location m and scale s; its quantile is ln p - ln(1 - p) on the side that keeps p's
// digits (down to the smallest denormal p).
class Logistic : public LocationScale {
public:
    static constexpr bool kPlain = true;

protected:
    double Pdf(double x) const override {
        const double e = std::exp(-std::abs(Standard(x)));
        return e / (s * (1 + e) * (1 + e));
    }
    double Cdf(double x) const override { return 1 / (1 + std::exp(-Standard(x))); }
    double Ccdf(double x) const override { return 1 / (1 + std::exp(Standard(x))); }
    // ln(p / (1 - p)) with one logarithm; within 1/64 of p = 1/2, where it is small and the quotient's
    // rounding would show, as log1p of (2p - 1) / (1 - p), whose numerator is exact. 1 - p is exact
    // above 1/2.
    double Quantile(double p) const override {
        const double d = 2 * p - 1;
        if (std::abs(d) < 1.0 / 32)
            return m + s * std::log1p(d / (1 - p));
        return p < 0.5 ? m + s * std::log(p / (1 - p)) : m - s * std::log((1 - p) / p);
    }
};

// The Mills ratio Q(t) / phi(t) for t >= 0, and 1 - t R(t) with it, which far out is the small
// difference of two numbers near 1: from the continued fraction R = 1 / (t + 1 / (t + 2 / (t + ...)))
// where that converges quickly, else from the normal tail.
struct Mills {
    double ratio, rest;
};
Mills MillsRatio(double t) {
    if (t < 4) {
        const double r = PhiUpper(t) / PhiDensity(t);
        return {r, 1 - t * r};
    }
    double v = t;
    for (int k = 80; k >= 2; --k)
        v = t + k / v;
    const double c = 1 / v;
    const double r = 1 / (t + c);
    return {r, c * r};
}

// Inverse Gaussian with mean mu and shape lambda. With a = sqrt(lambda / x) (x / mu - 1) and b the
// same with x / mu + 1, F = Phi(a) + exp(2 lambda / mu) Phi(-b); the factor, which overflows, is
// exactly phi(a) / phi(b), so the second term is phi(a) R(b). The upper tail is phi(a) (R(a) - R(b)).
class InverseGaussian : public ClosedForm {
protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        mu = p[0];
        lambda = p[1];
        return mu > 0 && lambda > 0;
    }
    double Pdf(double x) const override {
        if (x <= 0)
            return 0.0;
        // In logarithms: lambda / x and x^-1.5 overflow (a shape near the largest double, a tiny x).
        const double z = (x - mu) / mu;
        return std::exp(0.5 * std::log(lambda) - 1.5 * std::log(x) - kLnSqrt2Pi - lambda * (z * z) / x / 2);
    }
    // r overflows where lambda / x passes the doubles (the law all but a mass at mu): a is then 0 at mu
    // itself, not inf * 0.
    std::pair<double, double> AB(double x) const {
        const double r = std::sqrt(lambda) / std::sqrt(x);
        return {x == mu ? 0.0 : r * ((x - mu) / mu), r * ((x + mu) / mu)};
    }
    double Cdf(double x) const override {
        if (x <= 0)
            return 0.0;
        if (!std::isfinite(x))
            return 1.0;
        const auto [a, b] = AB(x);
        if (a > 0)
            return 1 - Ccdf(x);
        return Phi(a) + PhiDensity(a) * MillsRatio(b).ratio;
    }
    double Ccdf(double x) const override {
        if (x <= 0)
            return 1.0;
        if (!std::isfinite(x))
            return 0.0;
        const auto [a, b] = AB(x);
        const double density = PhiDensity(a);
        if (density == 0)
            return a > 0 ? 0.0 : 1.0;
        // R(a) - R(b) is the integral of 1 - t R(t) from a to b: by quadrature where the interval is
        // short and the difference would cancel (far out, and near the mode for a small shape).
        if (b - a < 0.25 * std::max(1.0, a)) {
            const GaussLegendre& g = Rule();
            const double mid = (a + b) / 2, half = (b - a) / 2;
            double sum = 0;
            for (int i = 0; i < GaussLegendre::kPoints; ++i)
                sum += g.w[i] * MillsRatio(mid + half * g.x[i]).rest;
            return density * sum * half;
        }
        if (a <= 0)
            return 1 - Cdf(x);
        return density * (MillsRatio(a).ratio - MillsRatio(b).ratio);
    }
    double Quantile(double p) const override {
        return SolveOnLogScale(
            p, mu, [this](double x) { return Cdf(x); }, [this](double x) { return Ccdf(x); });
    }
    double mu = 1, lambda = 1;
};

// ---- discrete ----------------------------------------------------------------------------------------

// A discrete distribution on the integers First() to Last(); its quantile is the least k with F(k) >= p,
// searched from Guess(p) (SearchQuantile).
class Discrete : public DistributionBase {
public:
    bool IsDiscrete() const override { return true; }

protected:
    virtual double First() const { return 1; }
    virtual double Last() const { return std::numeric_limits<double>::max(); }
    virtual double Guess(double) const { return First(); }
    double Quantile(double p) const override { return SearchQuantile(*this, p, Guess(p), First(), Last()); }
};

class DiscreteUniform : public Discrete {
protected:
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        n = p[0];
        return IsInteger(n) && n >= 1;
    }
    double Last() const override { return n; }
    double Guess(double p) const override { return std::ceil(p * n); }
    double Pdf(double x) const override { return x >= 1 && x <= n ? 1 / n : 0.0; }
    double Cdf(double x) const override { return x < 1 ? 0.0 : x >= n ? 1.0 : x / n; }
    double Ccdf(double x) const override { return x < 1 ? 1.0 : x >= n ? 0.0 : (n - x) / n; }
    double n = 1;
};

// Benford's law for base B: P(d) = log_B(1 + 1/d), d = 1 .. B - 1.
class Benford : public Discrete {
protected:
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        base = p[0];
        logBase = std::log(base);
        return IsInteger(base) && base >= 2;
    }
    double Last() const override { return base - 1; }
    double Guess(double p) const override { return std::ceil(std::expm1(p * logBase)); }
    double Pdf(double x) const override { return x >= 1 && x < base ? std::log1p(1 / x) / logBase : 0.0; }
    double Cdf(double x) const override {
        return x < 1 ? 0.0 : x >= base - 1 ? 1.0 : std::log(x + 1) / logBase;
    }
    double Ccdf(double x) const override {
        return x < 1 ? 1.0 : x >= base - 1 ? 0.0 : std::log(base / (x + 1)) / logBase;
    }
    double base = 10, logBase = 1;
};

// Geometric: failures before the first success, P(k) = p (1 - p)^k, its powers through log1p(-p), which
// keeps the digits of a small p that 1 - p drops.
class Geometric : public Discrete {
protected:
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        prob = p[0];
        logQ = std::log1p(-prob);
        return prob > 0 && prob <= 1;
    }
    double First() const override { return 0; }
    // The closed form: k is the least integer at or above ln(1 - p) / ln(1 - prob) - 1, which is off
    // by a few units in its last place; only where that lies next to an integer is the search needed.
    double RealQuantile(double p) const { return (p <= 0.5 ? std::log1p(-p) : std::log(1 - p)) / logQ - 1; }
    double Guess(double p) const override { return std::ceil(RealQuantile(p)); }
    double Quantile(double p) const override {
        const double t = RealQuantile(p), k = std::ceil(t);
        const double margin = 1e-9 * std::max(1.0, std::abs(t));
        if (prob < 1 && std::isfinite(k) && k - t > margin && t - (k - 1) > margin && k < 0x1p52)
            return std::max(k, 0.0);
        return Discrete::Quantile(p);
    }
    double Pdf(double x) const override {
        return x < 0 ? 0.0 : prob == 1 ? (x == 0 ? 1.0 : 0.0) : prob * std::exp(x * logQ);
    }
    double Cdf(double x) const override { return x < 0 ? 0.0 : -std::expm1((x + 1) * logQ); }
    double Ccdf(double x) const override { return x < 0 ? 1.0 : std::exp((x + 1) * logQ); }
    double prob = 0.5, logQ = -1;
};

// Distributions on 1, 2, ... given by a term sequence a_k with total S: P(k) = a_k / S. Each tail is
// the smaller one computed as such, or 1 minus the other.
class SeriesDistribution : public Discrete {
protected:
    virtual double Term(double k) const = 0;
    virtual double Total() const = 0;
    // Sums of a_j for j > k and for j <= k, each in a bounded number of steps.
    virtual double Tail(double k) const = 0;
    virtual double Head(double k) const = 0;
    double Pdf(double x) const override { return x < 1 ? 0.0 : Term(x) / Total(); }
    double Cdf(double x) const override {
        if (x < 1)
            return 0.0;
        const double upper = Tail(x) / Total();
        return upper < 0.5 ? 1 - upper : Head(x) / Total();
    }
    double Ccdf(double x) const override {
        if (x < 1)
            return 1.0;
        const double upper = Tail(x) / Total();
        return upper < 0.5 ? upper : 1 - Head(x) / Total();
    }
};

// Zipf with P(k) proportional to k^-s, s = rho + 1 > 1. Sums of j^-s: the first terms directly, the
// rest by Euler-Maclaurin, whose corrections shrink like (s / 2 pi j)^2 from the term j on.
class Zipf : public SeriesDistribution {
protected:
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        rho = p[0];
        s = rho + 1;
        start = 16 + std::ceil(std::min(s, 1e6));
        zeta = Tail(0);
        return p[0] > 0 && std::isfinite(zeta);
    }
    double Term(double k) const override { return std::pow(k, -s); }
    double Total() const override { return zeta; }
    // The terms from n while they are not negligible, up to `start`; then the Euler-Maclaurin sum.
    double Tail(double k) const override {
        double n = k + 1;
        double sum = 0;
        for (int i = 0; i < 256 && n < start; ++i, ++n) {
            const double t = Term(n);
            sum += t;
            if (t <= 1e-17 * sum)
                return sum;
        }
        return sum + std::pow(n, -rho) / rho + Corrections(n);
    }
    double Head(double k) const override {
        double sum = 0;
        double n = 1;
        for (int i = 0; i < 256 && n <= k; ++i, ++n) {
            const double t = Term(n);
            sum += t;
            if (t <= 1e-17 * sum)
                return sum;
        }
        if (n > k)
            return sum;
        // The terms n .. k: the integral from n to k + 1, written so that it keeps its digits for s near 1.
        const double integral = std::pow(n, -rho) * -std::expm1(-rho * std::log1p((k + 1 - n) / n)) / rho;
        return sum + integral + Corrections(n) - Corrections(k + 1);
    }
    // Euler-Maclaurin's terms at n beyond the integral: a_n / 2 and the Bernoulli corrections.
    double Corrections(double n) const {
        static constexpr double kB2j[] = {1.0 / 6,  -1.0 / 30,     1.0 / 42, -1.0 / 30,
                                          5.0 / 66, -691.0 / 2730, 7.0 / 6};
        double sum = 0.5 * std::pow(n, -s);
        double rising = s;  // s (s + 1) ... (s + 2j - 2)
        double power = std::pow(n, -s - 1);
        double factorial = 2;
        for (int j = 1; j <= 7; ++j) {
            sum += kB2j[j - 1] / factorial * rising * power;
            rising *= (s + 2 * j - 1) * (s + 2 * j);
            power /= n * n;
            factorial *= (2 * j + 1) * (2 * j + 2);
        }
        return sum;
    }
    // The upper tail is about k^-rho / (rho zeta).
    double Guess(double p) const override {
        const double k = std::exp(-std::log((1 - p) * rho * zeta) / rho);
        return std::isfinite(k) ? k : First();
    }
    double rho = 1, s = 2, zeta = 1, start = 18;
};

// Logarithmic series: P(k) = q^k / (k S), S = -ln(1 - q). With q near 1 the tail beyond a few dozen
// terms is Euler-Maclaurin's on e^(-l x) / x, l = -ln q: E1(l m) and the derivatives at m.
class LogSeries : public SeriesDistribution {
protected:
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        q = p[0];
        rate = -std::log(q);
        total = -std::log1p(-q);
        return q > 0 && q < 1;
    }
    double Term(double k) const override { return std::exp(-k * rate) / k; }
    double Total() const override { return total; }
    double Tail(double k) const override {
        double sum = 0;
        double n = k + 1;
        // Fast decay (or nothing left): the terms themselves, at most some 400 of them.
        const bool direct = rate > 0.1;
        for (int i = 0; i < (direct ? 1000 : 32) && (direct || n < 33); ++i, ++n) {
            const double t = Term(n);
            sum += t;
            if (t <= 1e-17 * sum)
                return sum;
        }
        if (direct)
            return sum;
        return sum + boost::math::expint(1, rate * n) + Corrections(n);
    }
    double Head(double k) const override {
        if (k > 1000)
            return total - Tail(k);
        double sum = 0;
        for (double n = k; n >= 1; --n)  // smallest terms first
            sum += Term(n);
        return sum;
    }
    // f(m) / 2 - sum of B_2j / (2j)! f^(2j-1)(m) for f(x) = e^(-l x) / x, whose derivatives are
    // f^(r)(x) = (-1)^r e^(-l x) sum_i C(r, i) l^(r-i) i! / x^(i+1).
    double Corrections(double m) const {
        static constexpr double kB2j[] = {1.0 / 6,  -1.0 / 30,     1.0 / 42, -1.0 / 30,
                                          5.0 / 66, -691.0 / 2730, 7.0 / 6};
        const double e = std::exp(-rate * m);
        double sum = 0.5 * e / m;
        double factorial = 2;
        for (int j = 1; j <= 7; ++j) {
            const int r = 2 * j - 1;
            double derivative = 0;
            double binomial = 1, ifact = 1;
            for (int i = 0; i <= r; ++i) {
                derivative += binomial * std::pow(rate, r - i) * ifact / std::pow(m, i + 1);
                binomial = binomial * (r - i) / (i + 1);
                ifact *= i + 1;
            }
            sum += kB2j[j - 1] / factorial * e * derivative;  // -B/(2j)! * (-derivative)
            factorial *= (2 * j + 1) * (2 * j + 2);
        }
        return sum;
    }
    double q = 0.5, rate = 1, total = 1;
};

// ---- sums of binomial-type terms (saddle-point form)
// -------------------------------------------------------------

// ln n! - ln(sqrt(2 pi n) (n / e)^n) for a whole n >= 1: a table (in long double) up to 15, Stirling's
// series beyond.
double StirlingError(double n) {
    static const auto table = [] {
        std::array<double, 16> t{};
        for (int i = 1; i < 16; ++i)
            t[i] = static_cast<double>(std::lgamma(static_cast<long double>(i) + 1) -
                                       (i + 0.5L) * std::log(static_cast<long double>(i)) + i -
                                       static_cast<long double>(kLnSqrt2Pi));
        return t;
    }();
    if (n < 16)
        return table[static_cast<int>(n)];
    const double r = 1 / n, r2 = r * r;
    return r * (1.0 / 12 - r2 * (1.0 / 360 - r2 * (1.0 / 1260 - r2 * (1.0 / 1680 - r2 / 1188))));
}

// x ln(x / m) + m - x without cancellation near x = m, for m = hi + lo (lo the rounding error of a
// product n p, which counts where n is in the billions).
double Deviance(double x, double hi, double lo = 0) {
    const double d = (x - hi) - lo;
    if (std::abs(d) < 0.1 * (x + hi)) {
        const double v = d / (x + hi + lo);
        double sum = d * v;
        double term = 2 * x * v;
        const double v2 = v * v;
        for (int j = 1; j < 200; ++j) {
            term *= v2;
            const double next = sum + term / (2 * j + 1);
            if (next == sum)
                break;
            sum = next;
        }
        return sum;
    }
    return x * std::log(x / hi) + hi - x;
}

// The binomial probability of x in n trials of probability p (q = 1 - p), as exp of small terms, so that
// it keeps its digits for n in the billions.
double BinomialTerm(double x, double n, double p, double q) {
    if (n == 0)
        return x == 0 ? 1.0 : 0.0;
    if (p == 0 || q == 0)
        return x == (p == 0 ? 0 : n) ? 1.0 : 0.0;
    if (x == 0)
        return std::exp(p < 0.5 ? n * std::log1p(-p) : n * std::log(q));
    if (x == n)
        return std::exp(q < 0.5 ? n * std::log1p(-q) : n * std::log(p));
    // n p and n (1 - p) to twice a double's digits: with a billion trials their rounding alone would move
    // the result in its 11th digit.
    const double np = n * p, npLow = std::fma(n, p, -np);
    const double nq = n - np, nqLow = ((n - nq) - np) - npLow;
    const double exponent = StirlingError(n) - StirlingError(x) - StirlingError(n - x) -
                            Deviance(x, np, npLow) - Deviance(n - x, nq, nqLow);
    return std::exp(exponent) * std::sqrt(n / (2 * kPi * x * (n - x)));
}

// A law on the integers lo .. hi whose tails are sums of its terms, walked outward from x by their
// ratios (the term itself every 256 steps, so that rounding does not build up past 1e-13), the tail without
// the mean first. A sum ends once a term no longer counts, within some 40 standard deviations of x: below a
// million terms for the parameters taken. Law gives the ratios, RatioDown(j) = P(j - 1) / P(j) and
// RatioUp(j) = P(j + 1) / P(j), inlined into the sums.
template <class Law>
class TermSums : public Discrete {
protected:
    double First() const override { return lo; }
    double Last() const override { return hi; }
    double Guess(double p) const override { return mean + sd * PhiInverse(p); }
    static constexpr std::int64_t kMaxTerms = 4'000'000;
    const Law& Self() const { return static_cast<const Law&>(*this); }
    // P(X <= x) for lo <= x.
    double Down(double x) const {
        double term = Pdf(x), sum = term;
        std::int64_t steps = 0;
        for (double j = x; j > lo && term > 1e-17 * sum && steps < kMaxTerms; --j) {
            term = ++steps % 256 == 0 ? Pdf(j - 1) : term * Self().RatioDown(j);
            sum += term;
        }
        return sum;
    }
    // P(X > x) for x < hi.
    double Up(double x) const {
        double term = Pdf(x + 1), sum = term;
        std::int64_t steps = 0;
        for (double j = x + 1; j < hi && term > 1e-17 * sum && steps < kMaxTerms; ++j) {
            term = ++steps % 256 == 0 ? Pdf(j + 1) : term * Self().RatioUp(j);
            sum += term;
        }
        return sum;
    }
    double Cdf(double x) const override {
        if (x < lo)
            return 0.0;
        if (x >= hi)
            return 1.0;
        if (x < mean)
            return Down(x);
        const double upper = Up(x);
        return upper < 0.5 ? 1 - upper : Down(x);
    }
    double Ccdf(double x) const override {
        if (x < lo)
            return 1.0;
        if (x >= hi)
            return 0.0;
        if (x >= mean)
            return Up(x);
        const double lower = Down(x);
        return lower < 0.5 ? 1 - lower : Up(x);
    }
    double lo = 0, hi = 0, mean = 0, sd = 0;
};

// Hypergeometric: n drawn from N of which K are successes. The probability is a ratio of binomial terms
// at p = n / N.
class Hypergeometric final : public TermSums<Hypergeometric> {
    friend TermSums;
    int Count() const override { return 3; }
    bool Accept(std::span<const double> p) override {
        N = p[0];
        K = p[1];
        n = p[2];
        if (!(IsInteger(N) && IsInteger(K) && IsInteger(n) && N >= 1 && K >= 0 && n >= 0 && K <= N && n <= N))
            return false;
        lo = std::max(0.0, n + K - N);
        hi = std::min(n, K);
        mean = n * K / N;
        sd = std::sqrt(mean * (N - K) / N * (N - n) / std::max(1.0, N - 1));
        return true;
    }
    double Pdf(double x) const override {
        if (x < lo || x > hi)
            return 0.0;
        const double pn = n / N, qn = (N - n) / N;
        return BinomialTerm(x, K, pn, qn) * BinomialTerm(n - x, N - K, pn, qn) / BinomialTerm(n, N, pn, qn);
    }
    double RatioDown(double j) const { return j * (N - K - n + j) / ((K - j + 1) * (n - j + 1)); }
    double RatioUp(double j) const { return (K - j) * (n - j) / ((j + 1) * (N - K - n + j + 1)); }
    double N = 1, K = 0, n = 0;
};

// Binomial with trials in the millions and beyond, where the incomplete beta function loses digits
// even in long double (3e-11 at two billion): its terms summed.
class LargeBinomial final : public TermSums<LargeBinomial> {
    friend TermSums;
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        n = p[0];
        prob = p[1];
        if (!(IsInteger(n) && n >= 0 && prob >= 0 && prob <= 1))
            return false;
        lo = 0;
        hi = n;
        mean = n * prob;
        sd = std::sqrt(mean * (1 - prob));
        return true;
    }
    double Pdf(double x) const override { return x < 0 || x > n ? 0.0 : BinomialTerm(x, n, prob, 1 - prob); }
    double RatioDown(double j) const { return j / (n - j + 1) * ((1 - prob) / prob); }
    double RatioUp(double j) const { return (n - j) / (j + 1) * (prob / (1 - prob)); }
    double n = 0, prob = 0.5;
};

// ---- studentized range and maximum modulus -----------------------------------------------------------

// The integral of f over [a, b] cut into n equal panels, added to sum. With beyond(u), a bound on the
// integral of f from u to b, the panels stop where the rest cannot change the sum's 17th digit, nor
// reach `floor`: a peak narrower than the range may need thousands of panels to cross it, yet only its
// first few count; and a sum near the doubles' end has no 17th digit to keep.
template <class F, class Beyond = std::nullptr_t>
double Panels(const F& f, double a, double b, int n, double sum = 0, const Beyond& beyond = nullptr,
              double floor = 0) {
    if (!(b > a) || n < 1)
        return sum;
    const GaussLegendre& r = Rule();
    const double half = (b - a) / (2 * n);
    for (int j = 0; j < n; ++j) {
        const double mid = a + (2 * j + 1) * half;
        double panel = 0;
        for (int i = 0; i < GaussLegendre::kPoints; ++i)
            panel += r.w[i] * f(mid + half * r.x[i]);
        sum += panel * half;
        if constexpr (!std::is_null_pointer_v<Beyond>)
            if (j + 1 < n && beyond(mid + half) < std::max(1e-17 * sum, floor))
                break;
    }
    return sum;
}

// x^n for an integer n >= 0 by squaring.
double IntegerPower(double x, double n) {
    if (n > 1e6)
        return std::pow(x, n);
    auto m = static_cast<std::uint64_t>(n);
    double result = 1;
    for (; m; m >>= 1, x *= x)
        if (m & 1)
            result *= x;
    return result;
}

// Phi(m + w/2) - Phi(m - w/2) without losing the digits of a narrow interval.
double NormalMass(double m, double w);

// NormalMass(m, w)^n; near 1 through the two tails left out, since a power in the billions multiplies
// the mass's rounding with it.
double MassPower(double m, double w, double n) {
    const double a = m + w / 2, b = m - w / 2;
    if (a > 0 && b < 0 && n > 100) {
        const double out = PhiUpper(a) + PhiUpper(-b);
        if (out < 0.5)
            return std::exp(n * std::log1p(-out));
    }
    return IntegerPower(NormalMass(m, w), n);
}

double NormalMass(double m, double w) {
    const double a = m + w / 2;
    const double b = m - w / 2;
    if (w * std::max(1.0, std::abs(m)) < 0.01) {
        const double m2 = m * m;
        const double w2 = w * w;
        return w * PhiDensity(m) * (1 + (m2 - 1) * w2 / 24 + (m2 * m2 - 6 * m2 + 3) * w2 * w2 / 1920);
    }
    if (b >= 0)
        return PhiUpper(b) - PhiUpper(a);
    if (a <= 0)
        return PhiUpper(-a) - PhiUpper(-b);
    return 1 - PhiUpper(a) - PhiUpper(-b);
}

// ln of 2 a^a e^-a / Gamma(a), the factor of the density of ln s (s^2 a chi-square over its 2 a degrees
// of freedom), with Stirling's series where the terms would cancel.
double LogChiNorm(double a) {
    if (a < 15)
        return std::log(2.0) + a * std::log(a) - a - std::lgamma(a);
    const double r = 1 / a;
    const double r2 = r * r;
    const double stirling = r * (1.0 / 12 - r2 * (1.0 / 360 - r2 * (1.0 / 1260 - r2 / 1680)));
    return std::log(2.0) + 0.5 * std::log(a / (2 * kPi)) - stirling;
}

// x - expm1(2x) / 2, the exponent of that density over its degrees of freedom. Near 0 it is -x^2 - ...,
// which the difference would leave with only the digits of x^2 / x: by its series there, so that a
// billion degrees of freedom times it keeps its digits.
double LogChiShape(double x) {
    if (std::abs(x) >= 0.01)
        return x - std::expm1(2 * x) / 2;
    // -sum over n >= 2 of 2^(n-1) x^n / n!, to n = 9.
    double term = x * x, sum = 0;
    for (int n = 2; n <= 9; ++n) {
        sum += term;
        term *= 2 * x / (n + 1);
    }
    return -sum;
}

// Where exp(A x - B expm1(2x) / 2), the shape of the density of ln s with weight s^(A - B), has
// fallen to exp(-drop) of its peak: concave, so Newton's method from outside each root converges.
std::pair<double, double> LogSpread(double A, double B, double drop) {
    const double peak = 0.5 * std::log(A / B);
    const auto G = [&](double x) { return A * x - B * std::expm1(2 * x) / 2; };
    const double top = G(peak);
    const auto solve = [&](double x, double outward) {
        while (G(x) - top > -drop)
            x += outward;
        for (int i = 0; i < 100; ++i) {
            const double step = (G(x) - top + drop) / (A - B * std::exp(2 * x));
            x -= step;
            if (std::abs(step) < 1e-9 * std::max(1.0, std::abs(x)))
                break;
        }
        return x;
    };
    const double width = 1 / std::sqrt(2 * A);
    return {solve(peak - width, -width - 1 / A), solve(peak + width, width)};
}

// The s integral's density falls by this factor (in logarithm) at the ends of its range.
constexpr double kDrop = 40;
// What the numerator's tails and density may leave out: weighted by s's density, whose integral is 1,
// it is below 1e-12 of the least normal double.
constexpr double kLeastKept = 1e-320;

// A statistic max-type over k standard normals divided by s, where s^2 df ~ chi-square(df). Given the
// distribution of the numerator at w (both tails and density), integrates over ln s with 16-point
// panels; nodes are taken by decreasing weight until the rest cannot change the sum's 16th digit.
class Studentized : public DistributionBase {
public:
    bool IsDiscrete() const override { return false; }

protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        k = p[0];
        df = p[1];
        // Below a hundredth of a degree of freedom s spreads over hundreds of units of ln s and the
        // panels lose digits (5e-10 of the lower tail at 0.001): such degrees of freedom are refused.
        if (!(IsInteger(k) && k >= MinimumK() && df >= 0.01))
            return false;
        // Beyond this s differs from 1 by less than the digits kept.
        infinite = df > 1e12;
        if (!infinite) {
            logNorm = LogChiNorm(df / 2);
            // Small w: the numerator's cumulative grows like w^SmallPower(), weighting s by it.
            const auto plain = LogSpread(df, df, kDrop);
            const auto weighted = LogSpread(df + SmallPower(), df, kDrop);
            lo = std::min(plain.first, weighted.first);
            hi = std::max(plain.second, weighted.second);
            // Finer ones where s's density peaks, alone or weighted by a small numerator's power: with
            // many means and many degrees of freedom the two peaks are each far narrower than the turn
            // and lie thousands of their widths apart (at a billion of each, a hundredth of a unit).
            zones = {Zone{plain.first, plain.second, std::min(0.75, 5 / std::sqrt(2 * df))},
                     Zone{weighted.first, weighted.second,
                          std::min(0.75, 5 / std::sqrt(2 * (df + SmallPower())))}};
            if (zones[1].lo <= zones[0].hi) {
                zones[0] = Zone{zones[0].lo, std::max(zones[0].hi, zones[1].hi), zones[1].step};
                zones[1] = zones[0];
            }
            // Elsewhere panels as narrow as the numerator's turn from 0 to 1, whose width in ln s shrinks
            // like 1 / ln k, or as the weighted peak where that is wider.
            width = std::max(zones[1].step, std::min(0.75, 1.5 / (1 + 2 * std::log(k))));
            // Past this w the numerator's upper tail is below the least double's reach.
            for (turnedAt = 1; UpperBound(turnedAt) > 1e-300 && turnedAt < 1e6;)
                turnedAt *= 1.5;
            boundFar = Guess(1 - kComplementFrom);
        }
        return true;
    }
    virtual int MinimumK() const = 0;
    virtual double SmallPower() const = 0;
    virtual double Lower(double w) const = 0;
    virtual double Upper(double w) const = 0;
    virtual double Derivative(double w) const = 0;
    // At least Derivative(w).
    virtual double DerivativeBound(double w) const = 0;
    // At least Lower(w), and below 1 for a small w so that the far left of s can be passed over.
    virtual double LowerBound(double w) const = 0;
    // At least Upper(w), and far below 1 once w is past the numerator's usual size.
    virtual double UpperBound(double w) const = 0;
    virtual double Guess(double p) const = 0;
    // How fast the numerator's lower tail steepens with w: 1 for the range, 1/2 for the modulus.
    virtual double TurnScale() const = 0;

    // Int f(s) g(s) ds over s = e^x from `from` to End(q), with f the density of s, given g <= bound(s).
    double OverS(double q, double from, const auto& g, const auto& bound) const {
        // Left of where the numerator's distribution turns (w below 0.2) and of the density's bend, both
        // factors are close to powers of s: exponentials in ln s, which wider panels integrate.
        const double end = End(q, from);
        const double split = std::clamp(std::min(-2.0, std::log(0.2 / q)), from, end);
        const double coarse = std::max(width, std::min(2.5, 10 / (df + SmallPower())));
        struct Node {
            double s, c, bound;
        };
        std::vector<Node> nodes;
        const GaussLegendre& r = Rule();
        const auto add = [&](double a, double b, double step) {
            if (!(b > a))
                return;
            const int n = static_cast<int>(std::ceil((b - a) / step));
            const double half = (b - a) / (2 * n);
            for (int j = 0; j < n; ++j) {
                const double mid = a + (2 * j + 1) * half;
                for (int i = 0; i < GaussLegendre::kPoints; ++i) {
                    const double x = mid + half * r.x[i];
                    const double c = r.w[i] * half * std::exp(logNorm + df * LogChiShape(x));
                    const double s = std::exp(x);
                    if (c > 0)
                        nodes.push_back({s, c, c * bound(s)});
                }
            }
        };
        // Going left from the split the integrand falls like e^(a x) with a at least df: panels twice as
        // wide each time (so each starts as far from the split as it is wide, where a panel that an
        // exponential of a steep a would spoil weighs e^-(a width / 2) or less), but never so wide that
        // e^(df x) alone spoils them. A small df leaves thousands of units of ln s to cross.
        for (double b = split, step = coarse; b > from;
             step = std::min(2 * step, std::max(coarse, 10 / df))) {
            const double a = std::max(from, b - step);
            add(a, b, step);
            b = a;
        }
        // Right of the split: panels as narrow as the numerator's turn while it turns, fine ones where
        // the weighted density peaks. A huge q puts the turn hundreds of units left of f's peak: past
        // it the numerator is all but constant and f's own smoothness sets the panels, and where f is
        // negligible too (left of lo) there is nothing to add.
        // Where s's density falls fast (e^(2x) df large) against a numerator rising as fast (a small lower
        // tail with many means and few degrees of freedom, q s where the numerator turns), the product is
        // a peak far narrower than the panels either factor wants. Its curvature is at most about f's,
        // 2 df e^(2x), plus the numerator's log-slope (f's at the peak) times 1 + (w / TurnScale())^2 (the
        // normal tail in the numerator's ln is at w / 2 for the range, at w for the modulus). That bound
        // overstates it by far: four of its widths a panel, at the panel's worse end, kept 1e-11 against
        // panels of 1/2000 on a grid of df from 0.01 to 10, q from 0.05 to 1e4 and k to 2^31 - 1, where
        // the plain panels were off by whole percents from k = 300 on. Below 30 means the numerator is
        // too gentle for such a peak (the plain panels kept 1e-11 up to 100) and nothing is added.
        // The widest panel [a, x] may be: the bound's curvature is largest at one of its ends.
        const auto widest = [&](double a, double x) {
            // Where f is below e^-750 of its top (at 0) all over the panel, so is the product.
            if (df * LogChiShape(std::clamp(0.0, a, x)) < -750)
                return std::numeric_limits<double>::infinity();
            const auto curvature = [&](double at) {
                const double e = std::exp(2 * at), v = q * std::exp(at) / TurnScale();
                return df * (2 * e + std::abs(e - 1) * (1 + v * v));
            };
            return 4 / std::sqrt(std::max(curvature(a), curvature(x)));
        };
        const auto local = [&](double a, double b, double step) {
            if (k < 30)
                return add(a, b, step);
            while (a < b) {
                // Halved until the panel's ends allow it: a panel ending just inside the narrow part
                // ends near where it starts.
                double h = std::min(step, b - a);
                for (int i = 0; i < 60; ++i) {
                    const double most = widest(a, a + h);
                    if (most >= h)
                        break;
                    h = std::max(most, h / 2);
                }
                add(a, a + h, h);
                a += h;
            }
        };
        const auto right = [&](double a, double b, double step) {
            for (const Zone& zone : zones) {
                if (zone.step >= step || zone.lo >= b || zone.hi <= a)
                    continue;
                const double za = std::max(zone.lo, a), zb = std::min(zone.hi, b);
                local(a, za, step);
                local(za, zb, zone.step);
                a = zb;
            }
            local(a, b, step);
        };
        const double turned = std::min(end, split + std::log(turnedAt / 0.2));
        right(split, turned, width);
        right(std::max(turned, lo), end, std::max(width, zones[0].step));
        std::sort(nodes.begin(), nodes.end(), [](const Node& a, const Node& b) { return a.bound > b.bound; });
        // What the nodes from i on can add at most, summed from the small end to keep its digits.
        std::vector<double> rest(nodes.size() + 1, 0.0);
        for (std::size_t i = nodes.size(); i-- > 0;)
            rest[i] = rest[i + 1] + nodes[i].bound;
        double sum = 0;
        for (std::size_t i = 0; i < nodes.size() && rest[i] > 1e-15 * sum; ++i)
            sum += nodes[i].c * g(nodes[i].s);
        return sum;
    }
    // Where q s passes turnedAt the numerator's distribution is 1 to the last digit (its upper tail and
    // density nothing): the integrals end there, and the lower tail adds the mass of s beyond in closed
    // form. A huge q (a small df's far upper tail) would otherwise integrate thousands of units of ln s
    // that add nothing.
    double End(double q, double from) const { return std::clamp(std::log(turnedAt / q), from, hi); }
    double MassBeyond(double x) const {
        if (x >= hi)
            return 0.0;
        // Where df / 2 s^2 is below 1e-300 (or the least double: with a small df that is still 6e-9 of s
        // at 1e-170) the mass below is its series' first term, z^a / Gamma(a + 1), in logarithms.
        const double a = df / 2, logZ = std::log(a) + 2 * x;
        if (logZ < -690)
            return -std::expm1(a * logZ - std::lgamma(a + 1));
        return GammaUpperTail(a, std::exp(logZ));
    }
    // For a large q the tail and the density come from s below about 1/q, which may lie left of the
    // range where f(s) alone matters: there ln f is concave, so its slope at 1/q bounds how far it reaches.
    double TailStart(double q) const {
        const auto slope = [&](double x) { return -df * std::expm1(2 * x); };
        const double edge = -std::log(q);
        if (edge < 0 && edge < lo + kDrop / slope(lo))
            return std::min(lo, edge - kDrop / slope(edge));
        return lo;
    }
    double Pdf(double q) const override {
        if (q <= 0)
            return 0.0;
        if (infinite)
            return Derivative(q);
        return OverS(
            q, TailStart(q), [&](double s) { return s * Derivative(q * s); },
            [&](double s) { return s * DerivativeBound(q * s); });
    }
    double Cdf(double q) const override {
        if (q <= 0)
            return 0.0;
        if (infinite)
            return Lower(q);
        // The quadrature's rounding may pass 1 by an ulp or two.
        return std::min(1.0, OverS(
                                 q, lo, [&](double s) { return Lower(q * s); },
                                 [&](double s) { return LowerBound(q * s); }) +
                                 MassBeyond(End(q, lo)));
    }
    double Ccdf(double q) const override {
        if (q <= 0)
            return 1.0;
        if (infinite)
            return Upper(q);
        // Below where the pairwise bound's upper tail is kComplementFrom (at or above where the true one
        // is) the upper tail is mostly large, and 1 - the lower tail, which costs less, keeps all but two
        // of the lower tail's digits while it is at least kComplementFrom.
        if (q < boundFar)
            if (const double lower = Cdf(q); lower <= 1 - kComplementFrom)
                return 1 - lower;
        return std::min(1.0, OverS(
                                 q, TailStart(q), [&](double s) { return Upper(q * s); },
                                 [&](double s) { return UpperBound(q * s); }));
    }
    // Secant steps on ln q against the log of the nearer tail, which is close to linear in both
    // tails (powers of q).
    double Quantile(double p) const override {
        // The lower tail, which costs less, up to p = 0.9: there p's rounding moves the answer by no more
        // than ten times as much as the upper tail's would.
        const bool lower = p <= 0.9;
        const double target = lower ? std::log(p) : -std::log1p(-p);
        // The secant starts where the numerator's quantile left off: its first value is kept.
        double lastY = NAN, lastF = NAN;
        const auto F = [&](double y) {
            if (y != lastY) {
                const double x = std::exp(y);
                lastY = y;
                lastF = (lower ? std::log(Cdf(x)) : -std::log(Ccdf(x))) - target;
            }
            return lastF;
        };
        double y0 = std::log(Guess(p));
        double y1 = NAN;
        if ((lower || df > 1e4) && !infinite) {
            // The pairwise bound says little of the lower tail, nor of either tail once s is close to 1
            // (where each tail costs most: tens of milliseconds with a billion means). The numerator's
            // own quantile (s = 1), whose tail costs a small fraction of one here, is close, and its
            // slope gives the second point: about half the evaluations of the law itself.
            double slope = NAN;
            const double start = Secant(
                y0,
                [&](double y) {
                    const double w = std::exp(y);
                    return lower ? std::log(Lower(w)) - target : -std::log(Upper(w)) - target;
                },
                1e-6, &slope);
            if (std::isfinite(start)) {
                y0 = start;
                const double f0 = F(y0);
                if (f0 == 0)
                    return std::exp(y0);
                if (std::isfinite(f0) && slope > 0)
                    y1 = y0 - std::clamp(f0 / slope, -0.5, 0.5);
            }
        }
        const double y = Secant(y0, F, 2e-11, nullptr, y1);
        return std::isnan(y) ? kMissingValue : y > kLogLargest ? INFINITY : y < kLogLeast ? 0.0 : std::exp(y);
    }
    // The root of an increasing F of y = ln q from y0 (and y1, else a step of 0.05 from y0), to within
    // `tolerance` relative; kept inside the bracket once one is known. Beyond the doubles' range of ln q,
    // +-infinity (an answer beyond the doubles, as with degrees of freedom so small that s is all but 0).
    // The last secant slope goes to *slope.
    template <class G>
    static double Secant(double y0, const G& F, double tolerance, double* slope, double y1 = NAN) {
        double f0 = F(y0);
        if (f0 == 0)
            return y0;
        if (std::isnan(y1))
            y1 = y0 + (f0 < 0 ? 0.05 : -0.05);
        double f1 = F(y1);
        double below = -INFINITY, above = INFINITY;
        // The largest move: 2 at first, then up to four times the last, since a tail as heavy as a
        // small df makes it falls by a few units over hundreds of units of ln q.
        double reach = 2;
        for (int iteration = 0; iteration < 100; ++iteration) {
            if (f1 == 0)
                return y1;
            (f1 < 0 ? below : above) = y1;
            double y2 = NAN;
            if (std::isfinite(f0) && std::isfinite(f1) && f1 != f0) {
                if (slope)
                    *slope = (f1 - f0) / (y1 - y0);
                y2 = y1 - f1 * (y1 - y0) / (f1 - f0);
            }
            // A secant step below the tolerance ends it even where it does not move y1 by an ulp, which
            // the bracket's test below would take for a step outside and answer with bisection.
            if (std::abs(y2 - y1) < tolerance * std::max(1.0, std::abs(y1)))
                return y2;
            if (!std::isfinite(y2))
                y2 = f1 < 0 ? y1 + reach / 2 : y1 - reach / 2;
            y2 = std::clamp(y2, y1 - reach, y1 + reach);
            if (!(y2 > below && y2 < above))
                y2 = std::isfinite(below) && std::isfinite(above) ? (below + above) / 2
                                                                  : (f1 < 0 ? y1 + reach : y1 - reach);
            reach = std::max(2.0, 4 * std::abs(y2 - y1));
            // A step this small leaves y2 far closer than that (the secant's error is about the product
            // of the last two), and at worst a bracket this narrow: no tail needs evaluating there.
            if (std::abs(y2 - y1) < tolerance * std::max(1.0, std::abs(y1)))
                return y2;
            y0 = y1;
            f0 = f1;
            // At the doubles' ends, not past them: F there says at once whether the answer is beyond.
            y1 = std::clamp(y2, kLogLeast, kLogLargest);
            f1 = F(y1);
            if (y1 == kLogLargest && f1 < 0)
                return INFINITY;
            if (y1 == kLogLeast && f1 > 0)
                return -INFINITY;
        }
        return y1;
    }
    // A t quantile as the start, the statistic against the t it is built from: where the upper tail of
    // t is u (at most 1/4; 1 - u would round to 1 for the many means that make u tiny).
    double TUpperQuantile(double u) const {
        const boost::math::students_t_distribution<double> t(std::min(df, 1e12));
        double x = 1;
        try {
            x = boost::math::quantile(boost::math::complement(t, std::clamp(u, 1e-300, 0.25)));
        } catch (const std::overflow_error&) {
            // Beyond the doubles for a tiny df: the secant steps reach the answer from 1.
        }
        return std::isfinite(x) && x > 0 ? x : 1.0;
    }

    static constexpr double kComplementFrom = 0.01;
    double k = 2, df = 1, boundFar = 0;
    bool infinite = false;
    double lo = 0, hi = 0, width = 1, logNorm = 0, turnedAt = 1;
    struct Zone {
        double lo, hi, step;
    };
    // Ascending, and the same zone twice where the peaks overlap.
    std::array<Zone, 2> zones{};
};

// Studentized range: the range of k standard normals over s. The range's distribution is
// W(w) = k Int phi(z) [Phi(z) - Phi(z - w)]^(k-1) dz, symmetric about z = w/2, so it is integrated over
// the half u = z - w/2 >= 0. The upper tail is written with Phi(z)^(k-1) - [Phi(z) - Phi(z - w)]^(k-1)
// so that a small tail keeps its digits. Beyond 7.5 from the peak the normal density leaves no digit.
class StudentizedRange : public Studentized {
protected:
    int MinimumK() const override { return 2; }
    double SmallPower() const override { return k - 1; }
    // A high power of Phi(z) - Phi(z - w) is steep: more panels for many means.
    int Refine() const { return 1 + static_cast<int>(std::log(k) / std::log(4.0)); }
    // The panels of the lower tail's and the density's integrals, whose peak is at u = 0: from four means
    // on a third wider than `widest` / Refine() (the upper integral's). On a grid of k from 2 to
    // 2^31 - 1 and df from 0.01 to 1e13 that moved no tail by more than 3e-14, where one panel up to 5
    // wide for two and three means moved one by 8e-13: those keep `widest`.
    double PeakStep(double widest, double h) const {
        return std::min({widest, widest * 4 / (3 * Refine()), 6 * PeakWidth(h)});
    }
    // Near u = 0 the integrand is close to a normal density in u whose sd is this: ln[Phi(u + h) -
    // Phi(u - h)] curves by 2 h phi(h) / (2 Phi(h) - 1) there, k - 1 times over. For a small range
    // and many means it is far narrower than the panels Refine() gives.
    double PeakWidth(double h) const {
        const double curvature = h < 1e-3 ? 1.0 : 2 * h * PhiDensity(h) / (1 - 2 * PhiUpper(h));
        return 1 / std::sqrt(1 + (k - 1) * curvature);
    }
    static int PanelsFor(double length, double step) {
        return std::max(1, static_cast<int>(std::ceil(length / step)));
    }
    double Lower(double w) const override {
        // The range exceeds w with probability at most k (k-1) Phi(-w / sqrt 2) (pairs of differences).
        if (k * (k - 1) * PhiUpper(w / kSqrt2) < 1e-17)
            return 1.0;
        if (LowerBound(w) < 1e-300)
            return 0.0;
        const double h = w / 2;
        // In the tail's own units, so that what is left can be weighed against the least one kept.
        const auto f = [&](double u) {
            return k * (PhiDensity(u + h) + PhiDensity(u - h)) * MassPower(u, w, k - 1);
        };
        // Beyond u both densities are at most phi(0) and the mass at most its value at u.
        const auto beyond = [&](double u) {
            return k * (h + 7.5 - u) * 2 * PhiDensity(0) * MassPower(u, w, k - 1);
        };
        const double step = PeakStep(3.75, h);
        const double inner = Panels(f, 0, h, PanelsFor(h, step), 0.0, beyond, kLeastKept);
        if (beyond(h) < std::max(1e-17 * inner, kLeastKept))
            return inner;
        return Panels(f, h, h + 7.5, PanelsFor(7.5, step), inner, beyond, kLeastKept);
    }
    double Upper(double w) const override {
        // Close to 1 the small lower tail says it better (its panels follow a narrow peak); where the
        // lower tail is surely small the upper integral is not needed at all.
        if (LowerBound(w) < 0.5)
            return 1 - Lower(w);
        const double h = w / 2;
        // phi(z) Phi(z)^(k-1) as one exponential above 0, where Phi(z) = 1 - Q(z) loses nothing.
        const auto f = [&](double z) {
            double a = 0, densityPower = 0;
            if (z > 0) {
                const double upper = PhiUpper(z);
                a = 1 - upper;
                densityPower = std::exp((k - 1) * std::log1p(-upper) - 0.5 * z * z) / std::sqrt(2 * kPi);
            } else {
                a = Phi(z);
                densityPower = PhiDensity(z) * IntegerPower(a, k - 1);
            }
            return densityPower * -std::expm1((k - 1) * std::log1p(-Phi(z - w) / a));
        };
        // With many means Phi(z)^(k-1) is below e^-750 wherever (k - 1) Q(z) passes 750: only the
        // panels right of there count (a third of them for two billion means).
        double from = h - 7.5;
        if (const double tail = 750 / (k - 1); tail < 0.5)
            from = std::max(from, kSqrt2 * boost::math::erfc_inv(2 * tail));
        // Past z the integrand adds at most Q(z): with many means it is spent long before h + 7.5.
        const double upper = k * Panels(f, from, h + 7.5, PanelsFor(h + 7.5 - from, 3.75 / Refine()), 0.0,
                                        [](double z) { return PhiUpper(z); });
        return upper > 0.5 ? 1 - Lower(w) : upper;
    }
    // k (k-1) Int phi(z) phi(z - w) [Phi(z) - Phi(z - w)]^(k-2) dz, where phi(h + u) phi(u - h) is
    // exp(-u^2 - h^2) / 2 pi: past u = 6 nothing is left.
    double Derivative(double w) const override {
        const double h = w / 2, scale = k * (k - 1) * std::exp(-h * h) / kPi;
        const auto f = [&](double u) { return scale * std::exp(-u * u) * MassPower(u, w, k - 2); };
        const auto beyond = [&](double u) {
            return scale * (6 - u) * std::exp(-u * u) * MassPower(u, w, k - 2);
        };
        const double step = PeakStep(3.0, h);
        return Panels(f, 0, 6, PanelsFor(6, step), 0.0, beyond, kLeastKept);
    }
    // Phi(z) - Phi(z - w) is at most w phi(0) and at most 2 Phi(w / 2) - 1, so that with many means
    // the lower tail and the density are known to vanish well below the range's usual size; and the
    // integral of phi(z) phi(z - w) is exp(-w^2 / 4) / (2 sqrt pi).
    double MassBound(double w) const { return std::min(w / std::sqrt(2 * kPi), 1 - 2 * PhiUpper(w / 2)); }
    double DerivativeBound(double w) const override {
        return k * (k - 1) * IntegerPower(MassBound(w), k - 2) * std::exp(-w * w / 4) / (2 * std::sqrt(kPi));
    }
    double LowerBound(double w) const override {
        return std::min(1.0, k * IntegerPower(MassBound(w), k - 1));
    }
    double UpperBound(double w) const override { return std::min(1.0, k * (k - 1) * PhiUpper(w / kSqrt2)); }
    double Guess(double p) const override { return kSqrt2 * TUpperQuantile((1 - p) / (k * (k - 1))); }
    double TurnScale() const override { return 1; }
};

// Studentized maximum modulus: the largest of k absolute standard normals over s; the numerator's
// distribution is (1 - 2 Q(w))^k with Q the upper normal tail.
class StudentizedMaximumModulus : public Studentized {
protected:
    int MinimumK() const override { return 1; }
    double SmallPower() const override { return k; }
    // erf(w / sqrt 2)^n, through the small tails once erf is near 1: a power in the billions would
    // multiply erf's rounding with it.
    static double ErfPower(double w, double n) {
        return w < 1 ? std::pow(std::erf(w / kSqrt2), n) : std::exp(n * std::log1p(-2 * PhiUpper(w)));
    }
    double Lower(double w) const override { return ErfPower(w, k); }
    double Upper(double w) const override { return -std::expm1(k * std::log1p(-2 * PhiUpper(w))); }
    double Derivative(double w) const override { return 2 * k * ErfPower(w, k - 1) * PhiDensity(w); }
    double DerivativeBound(double w) const override { return Derivative(w); }
    // erf(w / sqrt 2) <= w sqrt(2 / pi).
    double LowerBound(double w) const override { return std::min(1.0, std::pow(w * std::sqrt(2 / kPi), k)); }
    double UpperBound(double w) const override { return std::min(1.0, 2 * k * PhiUpper(w)); }
    double Guess(double p) const override { return TUpperQuantile((1 - p) / (2 * k)); }
    double TurnScale() const override { return 0.5; }
};

// ln Q(z) for z >= 0, and phi(z) / Q(z); past z = 30 by the asymptotic series, where Q underflows.
double LogPhiUpper(double z) {
    if (z < 30)
        return std::log(PhiUpper(z));
    const double r = 1 / (z * z);
    return -z * z / 2 - std::log(z) - kLnSqrt2Pi + std::log1p(-r * (1 - 3 * r * (1 - 5 * r)));
}
double MillsInverse(double z) {
    if (z < 30)
        return PhiDensity(z) / PhiUpper(z);
    const double r = 1 / (z * z);
    return z / (1 - r * (1 - 3 * r * (1 - 5 * r)));
}

// One N-point Gauss-Legendre panel of f over [from, to].
template <int N = 16, class F>
double Panel(const F& f, double from, double to) {
    const auto& r = Rule<N>();
    const double mid = (from + to) / 2, half = (to - from) / 2;
    double sum = 0;
    for (int i = 0; i < N; ++i)
        sum += r.w[i] * f(mid + half * r.x[i]);
    return sum * half;
}

// A 16-point panel checked against the 8-point rule on it, and halved until they agree to `tolerance`
// (at most `budget` halvings): a factor of the integrand far sharper than its peak (a tail's cut-off
// passing across the other factor's bulk) is resolved where it lies. The 8-point rule's error bounds the
// 16-point one's by far, and the integrand's own rounding (its logarithm's, a few units in 1e-14) sets
// the least tolerance.
template <class F>
double CheckedPanel(const F& f, double from, double to, double tolerance, int& budget) {
    const double whole = Panel(f, from, to);
    // (A subnormal integral has fewer digits: there the least double is the tolerance.)
    if (--budget <= 0 ||
        std::abs(whole - Panel<8>(f, from, to)) <= std::max({tolerance, 1e-13 * whole, 1e-320}))
        return whole;
    const double mid = (from + to) / 2;
    return CheckedPanel(f, from, mid, tolerance / 2, budget) +
           CheckedPanel(f, mid, to, tolerance / 2, budget);
}

// How the panels of IntegrateFromPeak are laid: the domain, how wide the steps may grow on each side
// (at least the peak's width), whether each panel is checked by halving.
struct PanelPlan {
    double lo = -INFINITY, hi = INFINITY;
    double start = 0;  // where the search for the peak begins
    double leftGrowth = 0, rightGrowth = 0;
    // Where a factor is far sharper than the peak (a cut-off, and the small shortfall before it that
    // neither rule would sample in a wide panel), the panels are at most zoneStep wide.
    double zoneLo = INFINITY, zoneHi = -INFINITY, zoneStep = INFINITY;
    bool split = false;
};

// Int over the plan's domain of a log-concave f (its log's slope given): the peak by bisection on the
// slope, then panels as wide as f's spread there, outward until the rest cannot reach the 17th digit.
template <class F, class Slope>
double IntegrateFromPeak(const F& f, const Slope& slope, const PanelPlan& plan) {
    // The slope falls through 0 at the peak: bracket, then bisect (the slope is never taken at an end of
    // the domain, where it may be infinite).
    double hi = plan.start, lo = std::max(plan.lo, hi - 1);
    for (int i = 0; i < 64 && hi < plan.hi && slope(hi) > 0; ++i)
        hi = std::min(plan.hi, hi + 1 + std::abs(hi));
    for (int i = 0; i < 64 && lo > plan.lo && slope(lo) < 0; ++i)
        lo = std::max(plan.lo, lo - 1 - std::abs(lo));
    for (int i = 0; i < 200 && hi - lo > 1e-9 * std::max(1.0, std::abs(lo)); ++i)
        (slope((lo + hi) / 2) > 0 ? lo : hi) = (lo + hi) / 2;
    const double peak = (lo + hi) / 2;
    // The spread from the log's curvature, by differences on the spread's own scale (within the domain).
    double width = 1;
    for (double h : {1e-4, 0.0}) {
        h = std::min({h > 0 ? h : 1e-2 * width, (peak - plan.lo) / 2, (plan.hi - peak) / 2});
        const double curvature = (slope(peak - h) - slope(peak + h)) / (2 * h);
        width = std::clamp(1 / std::sqrt(curvature > 1e-300 ? curvature : 1e-300), plan.split ? 1e-300 : 1e-6,
                           2.0);
        if (!plan.split)
            break;
    }
    double sum = 0;
    for (int side = -1; side <= 1; side += 2) {
        const double growth = std::max(width, side < 0 ? plan.leftGrowth : plan.rightGrowth);
        double at = peak, step = plan.split ? 2 * width : width;
        for (int k = 0; k < 4000; ++k) {
            double next = at + side * step;
            if (side > 0 ? at >= plan.zoneLo && at < plan.zoneHi : at > plan.zoneLo && at <= plan.zoneHi)
                next = at + side * std::min(step, plan.zoneStep);
            else if (side > 0 ? at < plan.zoneLo && next > plan.zoneLo
                              : at > plan.zoneHi && next < plan.zoneHi)
                next = side > 0 ? plan.zoneLo : plan.zoneHi;
            next = std::clamp(next, plan.lo, plan.hi);
            const double from = std::min(at, next), to = std::max(at, next);
            int budget = 64;
            const double part =
                plan.split ? CheckedPanel(f, from, to, 1e-13 * sum, budget) : Panel(f, from, to);
            sum += part;
            at = next;
            if (at == plan.lo || at == plan.hi || (k >= 4 && part <= 1e-18 * sum + 1e-320))
                break;
            if (k >= 8)
                step = std::min(2 * step, growth);
            // So far left only e^(df x) is left of the integrand: the rest at most its value over its
            // slope (log-concave).
            if (at < -1e4) {
                sum += f(at) / std::max(slope(at), 1e-300);
                break;
            }
        }
    }
    return sum;
}

// Int over x = ln s of g(x) e^(norm + df (x - expm1(2x) / 2)) with t > 0 and g the normal upper tail at
// t e^x + a (the tail) or e^x times its density (the density). The integrand is log-concave in x; left
// of the peak, where a small df leaves only e^(df x), the panels grow twice as wide each time. With
// a < 0 the tail's cut-off at t e^x = -a can be far sharper than the law of s: its panels are halved
// where needed.
double OverLogS(double df, double a, double t, bool density) {
    const double norm = LogChiNorm(df / 2);
    const auto logShape = [&](double x) { return norm + df * LogChiShape(x); };
    // t e^x + a; with a < 0, near the cut-off at t e^x = -a, as t (e^x - 1) + (t + a), which keeps its
    // digits there.
    const auto at = [&](double x) {
        return a < 0 && std::abs(x) < 0.5 ? t * std::expm1(x) + (t + a) : t * std::exp(x) + a;
    };
    const auto slope = [&](double x) {
        const double u = t * std::exp(x), z = at(x);  // u apart: t alone may be near the largest double
        const double g = density ? 1 - z * u : -MillsInverse(z) * u;
        return g - df * std::expm1(2 * x);
    };
    const auto f = [&](double x) {
        const double z = at(x);
        const double g = density ? x - z * z / 2 - kLnSqrt2Pi : LogPhiUpper(z);
        return std::exp(g + logShape(x));
    };
    PanelPlan plan{.hi = 400, .leftGrowth = 5 / df, .split = a < 0};
    if (a < 0) {
        // The cut-off at t e^x = -a is 1 / |a| wide in x; the normal tail moves from 40 below it to 40
        // above.
        plan.zoneLo = std::log(std::max(-a - 40, -a / 2)) - std::log(t);
        plan.zoneHi = std::log(-a + 40) - std::log(t);
        plan.zoneStep = 2 / -a;
    }
    return IntegrateFromPeak(f, slope, plan);
}

// ln S(w) and the hazard f(w) / S(w) of s = sqrt(chi2(2 a) / 2 a) at w > 0: S(w) = Q(a, x), x = a w^2.
// Formed in logs so that neither underflows: below x = 1 from the series of P (x itself may underflow
// there: a tiny a leaves mass at w = 1e-150), beyond a few deviations above the mean from the continued
// fraction of Q scaled by x^a e^-x / Gamma(a).
struct LogTail {
    double log, logHazard;
};
// 1 + ln w^2 - w^2, the log of the law of s's kernel over its value at 1, without cancellation near 1.
double LogKernelOfS(double w) {
    const double u = w * w - 1;
    if (u == INFINITY)
        return -INFINITY;
    return std::abs(u) < 0.5 ? boost::math::log1pmx(u, DoublePolicy()) : 1 + 2 * std::log(w) - w * w;
}
LogTail LogTailOfS(double a, double w) {
    const double x = a * w * w;
    if (x == INFINITY)
        return {-INFINITY, INFINITY};
    if (x < 1) {
        // P = x^a e^-x / Gamma(a + 1) (1 + x / (a + 1) + x^2 / ((a + 1)(a + 2)) + ...)
        double term = 1, sum = 1;
        for (int k = 1; k < 60 && term > 1e-17 * sum; ++k)
            sum += term *= x / (a + k);
        const double front = a * (std::log(a) + 2 * std::log(w)) - x - std::lgamma(a + 1);
        const double q = -std::expm1(front + std::log(sum));
        return {std::log(q), std::log(2 / q) + front - std::log(w)};
    }
    if (x > a + 1 + 5 * std::sqrt(a)) {
        // Beyond 1e150 the fraction is 1 / x to within a / x; next to the largest double its steps never
        // settle (a billion of them at 1.4e308, where 1 / x is denormal).
        const double logFraction = x > 1e150 ? -std::log(x)
                                             : std::log(boost::math::detail::upper_gamma_fraction(
                                                   a, x, std::numeric_limits<double>::epsilon()));
        return {LogChiNorm(a) - std::log(2.0) + a * LogKernelOfS(w) + logFraction,
                std::log(2.0) - logFraction - std::log(w)};
    }
    const double q = GammaUpperTail(a, x);
    const auto density = LargeShapeGammaDensity(a, x);
    return {std::log(q),
            std::log(2 * a * w *
                     (density ? *density : boost::math::gamma_p_derivative(a, x, DoublePolicy())) / q)};
}

// A noncentral t with delta > 0 at t > 0: T <= t is s >= (z + delta) / t, z the normal numerator. Its
// lower tail beyond Phi(-delta) is Int over z > -delta of phi(z) S(w), w = (z + delta) / t, its density
// Int phi(z) f_s(w) w / t; both log-concave where phi is above the least double. Taken over z where s's
// factor is the wider one (t >= 1), else over w (dz = t dw), so that the peak is never far narrower than
// the variable's unit.
double OverNumerator(double df, double delta, double t, bool density) {
    const double a = df / 2, norm = LogChiNorm(a), logT = std::log(t);
    const bool onW = t < 1;
    const auto zw = [&](double v) {
        return onW ? std::pair(t * v - delta, v) : std::pair(v, (v + delta) / t);
    };
    // ln dz / dv and ln dw / dv.
    const double logDz = onW ? logT : 0.0, logDw = onW ? 0.0 : -logT;
    const auto slope = [&](double v) {
        const auto [z, w] = zw(v);
        const double ofS =
            density ? 2 * a * (1 / w - w) * std::exp(logDw) : -std::exp(LogTailOfS(a, w).logHazard + logDw);
        return ofS - z * std::exp(logDz);
    };
    const auto f = [&](double v) {
        const auto [z, w] = zw(v);
        const double g = density ? norm + a * LogKernelOfS(w) - logT : LogTailOfS(a, w).log;
        return std::exp(g - z * z / 2 - kLnSqrt2Pi + logDz);
    };
    constexpr double kLeastPhi = -38.6;  // phi below here is less than the least double
    const double least = std::max(kLeastPhi, -delta);
    const double lo = onW ? (least + delta) / t : least;
    if (lo == INFINITY)  // s's factor is 0 wherever phi is not
        return 0.0;
    // Beyond w = 1 s's factor falls, and the integral is at most its value at lo: below the least double
    // there (a t of 1e-307 puts lo past 1e308), nothing is left to integrate.
    if (onW && lo > 1 && !((density ? norm + a * LogKernelOfS(lo) : LogTailOfS(a, lo).log) > kLogLeast))
        return 0.0;
    const double start = onW ? std::max(1.0, lo + std::min(lo, 1.0)) : std::max(0.0, least + 1);
    PanelPlan plan{.lo = lo, .start = start, .leftGrowth = INFINITY, .rightGrowth = INFINITY, .split = true};
    // With many degrees of freedom s's factor is a cut-off at w = 1, 1 / sqrt(2 df) wide: its tails
    // move over 40 of those either side.
    if (const double spread = 1 / std::sqrt(2 * df); spread < 0.02) {
        const double scale = onW ? 1 : t, shift = onW ? 0 : -delta;
        plan.zoneLo = (1 - 40 * spread) * scale + shift;
        plan.zoneHi = (1 + 40 * spread) * scale + shift;
        plan.zoneStep = 2 * spread * scale;
    }
    return IntegrateFromPeak(f, slope, plan);
}

}  // namespace

double StirlingErrorOf(double v) {
    if (v >= 16 || (v == std::floor(v) && v >= 1))
        return StirlingError(v);
    const long double w = v;
    return static_cast<double>(std::lgamma(w + 1) - (w + 0.5L) * std::log(w) + w -
                               static_cast<long double>(kLnSqrt2Pi));
}

double DevianceOf(double x, double m) {
    return Deviance(x, m);
}

std::unique_ptr<DistributionBase> MakeLargeBinomial() {
    return std::make_unique<LargeBinomial>();
}

std::unique_ptr<IDistribution> MakeOwnDistribution(int type) {
    using namespace NmsEnum;
    switch (type) {
        case ENORM:
            return std::make_unique<Sealed<LogitNormal>>();
        case GOMPERTZ:
            return std::make_unique<Sealed<Gompertz>>();
        case PARETO:
            return std::make_unique<Sealed<Pareto>>();
        case LLOGISTIC:
            return std::make_unique<Sealed<LogLogistic>>();
        case SEV:
            return std::make_unique<Sealed<SmallestExtremeValue>>();
        case EXP:
            return std::make_unique<Sealed<Exponential>>();
        case NORMAL:
            return std::make_unique<Sealed<NormalLaw<false>>>();
        case LNORMAL:
            return std::make_unique<Sealed<NormalLaw<true>>>();
        case CAUCHY:
            return std::make_unique<Sealed<Cauchy>>();
        case WEIBULL:
            return std::make_unique<Sealed<Weibull>>();
        case RAYLEIGH:
            return std::make_unique<Sealed<Rayleigh>>();
        case DUNIFORM:
            return std::make_unique<Sealed<DiscreteUniform>>();
        case BENFORD:
            return std::make_unique<Sealed<Benford>>();
        case UNIFORM:
            return std::make_unique<Sealed<Uniform>>();
        case TRIANGULAR:
            return std::make_unique<Sealed<Triangular>>();
        case LOGISTIC:
            return std::make_unique<Sealed<Logistic>>();
        case IGAUSSIAN:
            return std::make_unique<Sealed<InverseGaussian>>();
        case HGEOMETRIC:
            return std::make_unique<Hypergeometric>();
        case GEOMETRIC:
            return std::make_unique<Sealed<Geometric>>();
        case ZIPF:
            return std::make_unique<Sealed<Zipf>>();
        case LSERIES:
            return std::make_unique<Sealed<LogSeries>>();
        case RANGE:
            return std::make_unique<Sealed<StudentizedRange>>();
        case SMM:
            return std::make_unique<Sealed<StudentizedMaximumModulus>>();
        default:
            return nullptr;
    }
}

// Reflected to delta > 0. Above 0 the tail toward 0 and the density over the numerator, and the tail
// away from 0 over ln s (log-concave there) where it is the smaller one: where it holds most of the
// mass, 1 minus the other keeps every digit, while over ln s a long plateau of s's law ending in the
// sharp cut-off near delta cost it 3e-8 (df 4.9e-4, delta 113, at 109). Below 0 the far side's forms.
double NoncentralTQuadratureTail(double df, double delta, double t, bool upper) {
    if (delta < 0)
        return NoncentralTQuadratureTail(df, -delta, -t, !upper);
    double tail = 0;
    if (t > 0) {
        const double lower = PhiUpper(delta) + OverNumerator(df, delta, t, false);
        tail = !upper ? lower : lower < 0.5 ? 1 - lower : OverLogS(df, -delta, t, false);
    } else {
        const double below = t < 0 ? OverLogS(df, delta, -t, false) : PhiUpper(delta);
        tail = upper ? 1 - below : below;
    }
    // (Summed to 1 + an ulp where it holds all the mass.)
    return std::min(tail, 1.0);
}
double NoncentralTQuadratureDensity(double df, double delta, double t) {
    if (delta < 0)
        return NoncentralTQuadratureDensity(df, -delta, -t);
    return t > 0 ? OverNumerator(df, delta, t, true) : OverLogS(df, delta, -t, true);
}

}  // namespace numerics
