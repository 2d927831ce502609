// The distributions Boost.Math has, with the policies chosen for speed at full double accuracy.
#include "Numerics/Distributions.h"

#include "Numerics/IncompleteBeta.h"
#include "Numerics/IncompleteGamma.h"
#include "Numerics/NoncentralT.h"

#include <boost/math/distributions.hpp>
#include <boost/math/tools/roots.hpp>
#include <cstdint>
#include <numbers>
#include <optional>
#include <type_traits>

namespace numerics {

namespace {

namespace bp = boost::math::policies;

// Errors become NaN (the missing value) instead of exceptions; discrete quantiles are the least
// integer whose cumulative value reaches p. Boost's default promotes double to long double inside
// every special function, which costs 2 to 7 times the time and buys nothing at our 1e-12 target for
// these distributions; `Promoted` keeps it for the few where double arithmetic alone falls short.
using Fast = bp::policy<bp::promote_double<false>, bp::promote_float<false>,
                        bp::discrete_quantile<bp::integer_round_up>, bp::domain_error<bp::errno_on_error>,
                        bp::pole_error<bp::errno_on_error>, bp::overflow_error<bp::errno_on_error>,
                        bp::evaluation_error<bp::errno_on_error>, bp::rounding_error<bp::errno_on_error>,
                        bp::indeterminate_result_error<bp::errno_on_error>>;
using Promoted = bp::normalise<Fast, bp::promote_double<true>>::type;

template <class D>
using Maker = std::optional<D> (*)(std::span<const double>);

bool Positive(double v) {
    return v > 0;
}
bool IsInteger(double v) {
    return v == std::floor(v) && std::abs(v) < 2147483648.0;
}

// Where a Boost quantile gives up (its inverse incomplete beta can fail to converge, e.g. at the
// median of F(10, 10)), the root of the cumulative function on a bracket.
template <class Cdf, class Ccdf>
double SolveQuantile(double p, double lo, double hi, Cdf cdf, Ccdf ccdf) {
    auto f = [&](double x) { return p <= 0.5 ? cdf(x) - p : (1 - p) - ccdf(x); };
    double a = std::isfinite(lo) ? lo : -1;
    double b = std::isfinite(hi) ? hi : 1;
    for (int i = 0; i < 2100 && f(a) > 0; ++i)
        a = a < 0 ? 2 * a : a - 1;
    for (int i = 0; i < 2100 && f(b) < 0; ++i)
        b = b > 0 ? 2 * b : b + 1;
    if (!(f(a) <= 0 && f(b) >= 0))
        return NAN;  // no root within the doubles
    std::uintmax_t iterations = 200;
    const auto r =
        boost::math::tools::toms748_solve(f, a, b, boost::math::tools::eps_tolerance<double>(53), iterations);
    return (r.first + r.second) / 2;
}

double PhiInverse(double p) {
    return -std::numbers::sqrt2 * boost::math::erfc_inv(2 * p);
}

template <class D, template <class, class> class Law>
constexpr bool kIs = false;
template <template <class, class> class Law, class V, class P>
constexpr bool kIs<Law<V, P>, Law> = true;

// Near 0 Boost's beta and gamma densities overflow or lose digits (x^(a-1) / x for a denormal x, 0.9995
// for the exponential density at 1e-320): there the closed form in logarithms.
template <class D>
std::optional<double> DensityNearZero(const D& d, double x) {
    using boost::math::beta_distribution, boost::math::gamma_distribution,
        boost::math::chi_squared_distribution;
    const auto power = [&](double a, double y, double rest) {
        return a == 1 ? std::exp(rest) : std::exp((a - 1) * std::log(y) + rest - std::lgamma(a));
    };
    if constexpr (kIs<D, beta_distribution>) {
        const double a = d.alpha(), b = d.beta();
        return power(a, x, (b - 1) * std::log1p(-x) - std::lgamma(b) + std::lgamma(a + b));
    } else if constexpr (kIs<D, gamma_distribution>) {
        return power(d.shape(), x / d.scale(), -x / d.scale()) / d.scale();
    } else if constexpr (kIs<D, chi_squared_distribution>) {
        return power(d.degrees_of_freedom() / 2, x / 2, -x / 2) / 2;
    } else if constexpr (kIs<D, boost::math::non_central_chi_squared_distribution>) {
        // The first Poisson term's: the next ones are smaller by x lambda / df and more.
        const double lambda = d.non_centrality();
        return power(d.degrees_of_freedom() / 2, x / 2, -x / 2 - lambda / 2) / 2;
    } else {
        return std::nullopt;
    }
}

// A beta-type law at x: its shapes and the logarithms of y and 1 - y, y = u / (u + v) the beta variable
// (u = x, v = 1 - x for the beta law; u = d1 x, v = d2 for F), each free of the rounding of y near 1;
// the density is y^powY (1 - y)^powRest e^logFactor / B(a, b).
struct BetaForm {
    double a, b, logY, logRest, powY, powRest, logFactor;
};
template <class D>
std::optional<BetaForm> BetaFormAt(const D& d, double x) {
    if constexpr (kIs<D, boost::math::beta_distribution>) {
        const double a = d.alpha(), b = d.beta();
        return BetaForm{a, b, std::log(x), std::log1p(-x), a - 1, b - 1, 0};
    } else if constexpr (kIs<D, boost::math::fisher_f_distribution>) {
        const double d1 = static_cast<double>(d.degrees_of_freedom1());
        const double d2 = static_cast<double>(d.degrees_of_freedom2());
        // ln(u + v) as the larger logarithm and log1p of the ratio: u and v may under- or overflow.
        const double logU = std::log(d1) + std::log(x), logV = std::log(d2);
        const double logSum = std::max(logU, logV) + std::log1p(std::exp(-std::abs(logU - logV)));
        // dy / dx = (d1 / d2) (1 - y)^2
        return BetaForm{d1 / 2,     d2 / 2,     logU - logSum,      logV - logSum,
                        d1 / 2 - 1, d2 / 2 + 1, std::log(d1) - logV};
    } else {
        return std::nullopt;
    }
}

// Shapes below this: the law is two masses next to 0 and 1, b / (a + b) and a / (a + b), to within a
// relative a + b; its beta function overflows and Boost gives no value.
constexpr double kTinyShape = 1e-20;

bool TinyShapes(const BetaForm& f) {
    return std::max(f.a, f.b) < kTinyShape;
}
// One shape so small against the other that the tail on its side, at most tiny (1 / other + 2000) for
// every double y, is below 1e-300: a single mass at that end (Boost's steps fail an assertion there).
// Gives +1 for the mass near 1 (b tiny), -1 for the one near 0, 0 otherwise.
int OneSidedMass(const BetaForm& f) {
    if (TinyShapes(f))
        return 0;
    const auto negligible = [](double tiny, double other) { return tiny * (1 / other + 2000) < 1e-300; };
    return negligible(f.b, f.a) ? 1 : negligible(f.a, f.b) ? -1 : 0;
}
// I_y(a, b) for tiny shapes: B_y(a, b) is y^a / a - ln(1 - y) and B(a, b) is 1 / a + 1 / b, both to
// within a relative a + b; the upper tail the same with the roles swapped.
double TinyLower(const BetaForm& f) {
    return f.b * (std::exp(f.a * f.logY) - f.a * f.logRest) / (f.a + f.b);
}
double TinyUpper(const BetaForm& f) {
    return f.a * (std::exp(f.b * f.logRest) - f.b * f.logY) / (f.a + f.b);
}

// Where Boost's arithmetic over- or underflows in the middle of a density that is itself a double (a
// shape or a scale near the ends of the doubles), the density in logarithms.
template <class D>
double LogDensity(const D& d, double x) {
    using namespace boost::math;
    if (const auto f = BetaFormAt(d, x)) {
        // A power 0 of y = 0 or 1 - y = 0 is 1.
        const auto power = [](double n, double logV) { return n == 0 ? 0.0 : n * logV; };
        // At an end of the support a negative power is a pole whatever the beta function (whose shape
        // may have underflowed to 0 from a denormal degree of freedom).
        if ((f->logY == -INFINITY && f->powY < 0) || (f->logRest == -INFINITY && f->powRest < 0))
            return INFINITY;
        const double logBeta = std::lgamma(f->a) + std::lgamma(f->b) - std::lgamma(f->a + f->b);
        return std::exp(power(f->powY, f->logY) + power(f->powRest, f->logRest) - logBeta + f->logFactor);
    }
    if constexpr (kIs<D, gamma_distribution>) {
        const double k = d.shape(), logScale = std::log(d.scale());
        return std::exp((k - 1) * (std::log(x) - logScale) - x / d.scale() - std::lgamma(k) - logScale);
    }
    // A denormal scale: 0 times infinity in Boost's quotient by it.
    if constexpr (kIs<D, boost::math::laplace_distribution> ||
                  kIs<D, boost::math::extreme_value_distribution>) {
        const double z = (x - d.location()) / d.scale(), logScale = std::log(d.scale());
        if constexpr (kIs<D, boost::math::laplace_distribution>)
            return std::exp(-std::abs(z) - logScale - std::numbers::ln2);
        const double e = std::exp(-z);
        return std::isinf(e) ? 0.0 : std::exp(-z - e - logScale);
    }
    return NAN;
}

// I_y(a, b), or its complement, from Boost's function handed the smaller of y and 1 - y (each given as
// itself: Boost forms the other from it).
double BetaTail(double a, double b, double y, double yc, bool upper) {
    using boost::math::ibeta;
    // Below 1e-100 against another shape of at least kTinyShape, the tail on a shape's side is linear in
    // it to within 1e-80 (b times an integral free of b, for b): Boost's steps underflow long before that
    // tail does (0 for I_0.5(1.6e-5, 3.6e-304), truly 2.2e-299). It is the tail at 1e-100, scaled.
    constexpr double kLinear = 1e-100;
    if (std::min(a, b) < kLinear && std::max(a, b) >= kTinyShape) {
        const bool lowSide = b < a, small = upper != lowSide;
        const double tiny = std::min(a, b),
                     scaled = BetaTail(lowSide ? a : kLinear, lowSide ? kLinear : b, y, yc, !lowSide) *
                              (tiny / kLinear);
        return small ? scaled : 1 - scaled;
    }
    if (y <= yc)
        return upper ? BetaComplement(a, b, y, Fast()) : ibeta(a, b, y, Fast());
    return upper ? ibeta(b, a, yc, Fast()) : BetaComplement(b, a, yc, Fast());
}

// A series over j >= 0 of log-concave terms summed from j = start (near the largest) both ways while the
// rest can count: past the largest, each way's rest is at most term r / (1 - r), r the last ratio.
// next(j, step, last) is term j, `last` being term j - step. Nothing where a way takes more than `most`.
template <class Next>
std::optional<double> SumFromStart(double start, double first, int most, Next next) {
    double sum = first;
    for (const double step : {1.0, -1.0}) {
        double last = first;
        for (double j = start + step; j >= 0; j += step) {
            if (std::abs(j - start) > most)
                return std::nullopt;
            const double term = next(j, step, last);
            sum += term;
            const double r = last > 0 ? term / last : term > 0 ? INFINITY : 0.0;
            if (r < 1 && !(term * r > 1e-17 * sum * (1 - r)))
                break;
            last = term;
        }
    }
    return sum;
}

// The sum over j of Poisson (h) weights times tail(j), each term computed as such.
template <class Tail>
std::optional<double> PoissonMixture(double h, double start, Tail tail) {
    const auto term = [&](double j) {
        return boost::math::pdf(boost::math::poisson_distribution<double, Fast>(h), j) * tail(j);
    };
    return SumFromStart(start, term(start), 1 << 14, [&](double j, double, double) { return term(j); });
}

// I_y(a, b) (upper: its complement) at y = q / (1 + q), from q and ln q (q itself may have under- or
// overflowed on the way). While q is a normal double, Boost's function handed y and 1 - y formed from it.
// Beyond, y (or 1 - y), call it v, is below the least double v0 and keeps few digits: the tail on v's side
// is its series' first term, a constant times v^s (s the shape on that side) to within (s + t) v, and is
// the tail at v0 times (v / v0)^s; the other tail is the other one at v0 plus what this one lost, each
// term positive (its complement would lose the digits of a tail near 1, as with a tiny s). Where the
// other shape t is so large that t v0 still counts, the beta law is the gamma law P(s, t v) it becomes as
// t grows (nonzero only where s^2 / t, its error, is below 1e-300).
double RatioBetaTail(double a, double b, double q, double logQ, bool upper) {
    constexpr double kLeast = std::numeric_limits<double>::min();
    constexpr double kLogLeast = -708.39641853226408;  // ln kLeast
    if (logQ >= kLogLeast && logQ <= -kLogLeast) {
        if (!(q >= kLeast && q <= 1 / kLeast))
            q = std::exp(logQ);
        return BetaTail(a, b, q / (1 + q), 1 / (1 + q), upper);
    }
    const bool low = logQ < 0;
    const double s = low ? a : b, t = low ? b : a, logV = low ? logQ : -logQ;
    const bool near = upper == low;
    if (std::log(s + t) + kLogLeast < -40) {
        const double far0 = BetaTail(s, t, kLeast, 1, false), e = s * (logV - kLogLeast);
        return near ? BetaTail(s, t, kLeast, 1, true) - far0 * std::expm1(e) : far0 * std::exp(e);
    }
    const double z = std::exp(std::log(t) + logV);
    return near ? boost::math::gamma_q(s, z, Fast()) : boost::math::gamma_p(s, z, Fast());
}

// The noncentral F's tails as the Poisson (lambda / 2) weighted beta tails of shapes (d1 / 2 + j, d2 / 2),
// each tail computed as such. Boost's sums go wrong at both ends: its lower tail is 0, or negative, below
// about 1e-200 (truly 2e-296 at (10, 1, 0.5) and 1e-60, 5e-151 at (1, 1, 0.5) and 1e-300), and 1 from x = 1
// on at a noncentrality of 1e-20 (truly 0.30 at (1.48, 0.34)). Where q = d1 x / d2 passes the largest
// double, with d2 below about 0.2 whole percents of the law lie beyond (Boost's y is 1 there and its tails
// 1 and 0: a quantile of 1.2e307 where 7 % lie below 1e300 and 93 % beyond the doubles; its lower tail was
// 1e-6 off at 1e-318 and 0 at 1e-320).
std::optional<double> NoncentralFSeries(double d1, double d2, double lambda, double x, bool upper) {
    if (!(x > 0))
        return std::nullopt;
    const double q = d1 / d2 * x, a = d1 / 2, b = d2 / 2, h = lambda / 2;
    const double y = std::isfinite(q) ? q / (1 + q) : 1.0;
    const double logQ = std::log(d1) - std::log(d2) + std::log(x);
    const auto tail = [&](double j) { return RatioBetaTail(a + j, b, q, logQ, upper); };
    // The largest term of a far lower tail is near where its ratio of terms, h y (a + b + j) / ((j + 1)
    // (a + j + 1)), passes 1; an upper tail's terms rise with j, and peak at the Poisson mode or beyond.
    const double c = a + 2 - h * y, peak = (-c + std::sqrt(c * c - 4 * (a + 1 - h * y * (a + b)))) / 2;
    const double start = upper ? std::floor(h) : std::isfinite(peak) ? std::max(0.0, std::floor(peak)) : 0.0;
    const auto sum = PoissonMixture(h, start, tail);
    return sum ? std::optional(std::min(*sum, 1.0)) : std::nullopt;
}

// The noncentral chi-square's lower tail (density) as the Poisson (lambda / 2) weighted gamma tails
// P(df / 2 + j, x / 2) (densities), each as such, where Boost's (summed from the Poisson mode) are 0 below
// about 1e-200 (the tail truly 1.3e-220 at (3.5, 520) and 1e-60, the density 2.3e-160).
std::optional<double> NoncentralChiSquareLower(double df, double lambda, double x, bool density = false) {
    const double a = df / 2, h = lambda / 2, z = x / 2;
    // The largest term is near where the far-out ratio of terms, h z / ((j + 1) (a + j + 1)), passes 1.
    const double c = a + 2, peak = (-c + std::sqrt(c * c - 4 * (a + 1 - h * z))) / 2;
    const double start = std::isfinite(peak) ? std::max(0.0, std::floor(peak)) : 0.0;
    const auto sum = PoissonMixture(h, start, [&](double j) {
        return density ? boost::math::gamma_p_derivative(a + j, z, Fast())
                       : boost::math::gamma_p(a + j, z, Fast());
    });
    return !sum ? sum : density ? *sum / 2 : std::min(*sum, 1.0);
}

// The noncentral chi-square density as the same mixture, its terms by recurrence from the largest (each
// next one the last times h z / ((j + 1) (a + j)), one call of Boost in all where its own density sums in
// long double). Nothing where the largest term is not a normal double: the callers' ways serve there.
std::optional<double> NoncentralChiSquareDensity(double df, double lambda, double x) {
    const double a = df / 2, h = lambda / 2, z = x / 2;
    const double c = a + 1, peak = (-c + std::sqrt(c * c - 4 * (a - h * z))) / 2;
    const double start = std::isfinite(peak) ? std::max(0.0, std::floor(peak)) : 0.0;
    const double first = boost::math::pdf(boost::math::poisson_distribution<double, Fast>(h), start) *
                         boost::math::gamma_p_derivative(a + start, z, Fast());
    if (!(first >= std::numeric_limits<double>::min() && first < INFINITY))
        return std::nullopt;
    const auto ratio = [&](double j) { return h * z / ((j + 1) * (a + j)); };
    const auto sum = SumFromStart(start, first, 1 << 20, [&](double j, double step, double last) {
        return step > 0 ? last * ratio(j - 1) : last / ratio(j);
    });
    return sum ? std::optional(*sum / 2) : std::nullopt;
}

// Below this Boost's noncentral lower tails and densities are our series: near where its sums give 0
// they lose digits (2 % of the noncentral chi-square (3.5, 520)'s 9.7e-144 at 2.4e-17).
constexpr double kLeastBoostNoncentralTail = 1e-100;

// Below this noncentrality the noncentral F's tails are our series (above, Boost's are sound and cheaper
// than the series' terms, each a beta tail of its own).
constexpr double kShortSeriesNoncentrality = 1e-6;

// The noncentral F density as the Poisson (lambda / 2) mixture of beta densities of shapes (d1 / 2 + j,
// d2 / 2) at y = d1 x / (d1 x + d2), with y and 1 - y each formed as such and the smaller one handed to
// the beta density: Boost forms 1 - y from y and loses digits far in the upper tail (1e-5 at d1 = 1e5,
// d2 = 0.01, x = 1e8). The sum starts from the largest term and walks both ways while the terms count;
// each way is bounded.
std::optional<double> NoncentralFDensity(double d1, double d2, double lambda, double x) {
    const double q = d1 / d2 * x;
    if (!(x > 0))
        return std::nullopt;
    // d1 x / d2 overflows only where the density, falling like x^-(d2 / 2 + 1), is below 1e-300.
    if (!std::isfinite(q))
        return 0.0;
    const double a = d1 / 2, b = d2 / 2, h = lambda / 2;
    const double yc = 1 / (1 + q), y = q / (1 + q);
    // Where the ratio of successive terms, h y (a + b + j) / ((j + 1) (a + j)), passes 1.
    const double c = a + 1 - h * y;
    const double peak = (-c + std::sqrt(c * c - 4 * (a - h * y * (a + b)))) / 2;
    const double start = std::isfinite(peak) ? std::max(0.0, std::floor(peak)) : 0.0;
    const auto ratio = [&](double j) { return h * y * (a + b + j) / ((j + 1) * (a + j)); };
    const double shape = a + start;
    double beta = y < 0.5 ? boost::math::ibeta_derivative(shape, b, y, Fast())
                          : boost::math::ibeta_derivative(b, shape, yc, Fast());
    const auto logBeta = [&] {
        return (shape - 1) * std::log(y) + (b - 1) * std::log(yc) - std::lgamma(shape) - std::lgamma(b) +
               std::lgamma(shape + b);
    };
    if (!std::isfinite(beta))  // a denormal y or 1 - y
        beta = std::exp(logBeta());
    // Half the least noncentrality is 0, where the Poisson law is all at 0 (Boost refuses a mean of 0).
    const double weight = h > 0 ? boost::math::pdf(boost::math::poisson_distribution<double, Fast>(h), start)
                                : static_cast<double>(start == 0);
    double first = weight * beta;
    // A weight below the least double times a beta density beyond the largest (a denormal y under a
    // noncentrality in the tens of thousands): the product in logarithms.
    if (std::isnan(first))
        first = std::exp(-h + start * std::log(h) - std::lgamma(start + 1) + logBeta());
    // Next to a pole at 0 (d1 below 2) the beta density itself overflows: so does the mixture.
    if (std::isinf(first))
        return INFINITY;
    const auto sum = SumFromStart(start, first, 1 << 20, [&](double j, double step, double last) {
        return step > 0 ? last * ratio(j - 1) : last / ratio(j);
    });
    return sum ? std::optional(*sum * (d1 / d2 * yc) * yc) : std::nullopt;
}

template <class D>
constexpr bool kNoncentral = false;
template <class V, class P>
constexpr bool kNoncentral<boost::math::non_central_chi_squared_distribution<V, P>> = true;
template <class V, class P>
constexpr bool kNoncentral<boost::math::non_central_f_distribution<V, P>> = true;
template <class V, class P>
constexpr bool kNoncentral<boost::math::non_central_t_distribution<V, P>> = true;

template <class D, bool Discrete, int N>
class BoostDistribution : public DistributionBase {
public:
    // A law of long doubles (V) takes and gives doubles; its arithmetic stays long.
    using V = typename D::value_type;
    static constexpr bool kBetaType =
        kIs<D, boost::math::beta_distribution> || kIs<D, boost::math::fisher_f_distribution>;
    static constexpr bool kGammaType =
        kIs<D, boost::math::gamma_distribution> || kIs<D, boost::math::chi_squared_distribution>;

    explicit BoostDistribution(Maker<D> make, bool shifted = false) : m_make(make), m_shifted(shifted) {}

    bool IsDiscrete() const override { return Discrete; }

protected:
    int Count() const override { return N; }
    bool Accept(std::span<const double> p) override {
        if (m_shifted) {
            m_shift = p[0];
            p = p.subspan(1);
        }
        m_d = m_make(p);
        if (m_d) {
            const auto range = boost::math::support(*m_d);
            // Boost opens some supports at the least normal double; the density at 0 is the law's own.
            m_lo = range.first == std::numeric_limits<V>::min() ? 0.0 : static_cast<double>(range.first);
            m_hi = static_cast<double>(std::min<V>(range.second, std::numeric_limits<double>::infinity()));
        }
        m_median = NAN;
        // The shapes are the same at every x: whether they are extreme is decided once (the form's
        // logarithms cost more than a finite-sum tail).
        if constexpr (kBetaType)
            if (m_d)
                if (const auto f = BetaFormAt(*m_d, 0.5)) {
                    m_tinyShapes = TinyShapes(*f);
                    m_oneSided = OneSidedMass(*f) != 0;
                    m_oneTinyShape = !m_tinyShapes && !m_oneSided && std::min(f->a, f->b) < kTinyShape;
                }
        return m_d.has_value();
    }

public:
    double Pdf(double x) const override {
        x -= m_shift;
        if (x < m_lo || x > m_hi)
            return 0.0;
        if constexpr (kGammaType)
            if (const auto density = LargeShapeGammaDensity(Shape(), x / Scale()))
                return *density / Scale();
        if (x < 1e-280)
            if (const auto near = DensityNearZero(*m_d, x))
                return *near;
        if constexpr (std::is_same_v<D, boost::math::non_central_t_distribution<double, Fast>>)
            // Where t^2 under- or overflows a double: the density at 0 to within t^2, or (at least
            // kLeastFastTDf degrees of freedom) below 1e-450.
            if (std::abs(x) < 1e-150 || std::abs(x) > 1e150)
                return std::abs(x) < 1 ? static_cast<double>(boost::math::pdf(*m_d, 0.0)) : 0.0;
        if constexpr (kBetaType)
            if (m_tinyShapes)
                return LogDensity(*m_d, x);
        if constexpr (kIs<D, boost::math::non_central_f_distribution>)
            if (const auto density = NoncentralFDensity(static_cast<double>(m_d->degrees_of_freedom1()),
                                                        static_cast<double>(m_d->degrees_of_freedom2()),
                                                        static_cast<double>(m_d->non_centrality()), x))
                return *density;
        if constexpr (kIs<D, boost::math::non_central_chi_squared_distribution>)
            if (const auto density =
                    NoncentralChiSquareDensity(static_cast<double>(m_d->degrees_of_freedom()),
                                               static_cast<double>(m_d->non_centrality()), x))
                return *density;
        const auto density = static_cast<double>(boost::math::pdf(*m_d, V(x)));
        if constexpr (kIs<D, boost::math::non_central_chi_squared_distribution>)
            if (!(density >= kLeastBoostNoncentralTail) && x < Median())
                return NoncentralChiSquareLower(m_d->degrees_of_freedom(), m_d->non_centrality(), x, true)
                    .value_or(std::max(density, 0.0));
        if constexpr (Discrete)
            if (std::isnan(density)) {
                // Boost's mass overflows midway far in a tail (Poisson (3) at 1e308): there it is
                // P(X > x - 1) - P(X > x), and 0 where the upper tail before x already is.
                const auto upper = [this](double k) {
                    return static_cast<double>(boost::math::cdf(boost::math::complement(*m_d, V(k))));
                };
                const double before = x - 1 < x ? x - 1 : std::floor(std::nextafter(x, 0.0));
                const double above = upper(before);
                return above == 0 || before == x ? above : above - upper(x);
            }
        // An infinity here is an overflow midway (F (10, 1e-308) at 1), not the law's own.
        return std::isfinite(density) ? density : LogDensity(*m_d, x);
    }
    // Each tail is computed as such on its own side of the median and as 1 minus the other beyond it:
    // Boost's complement of a tail near 1 can be off in its 11th digit (ibetac(1/2, 1/2, 1e-21) is 1).
    double Cdf(double x) const override { return Tail(x, false); }
    double Ccdf(double x) const override { return Tail(x, true); }
    double Tail(double x, bool upper) const {
        const auto either = [upper](double lower) { return upper ? 1 - lower : lower; };
        x -= m_shift;
        // A continuous law has nothing at its least value (the tiny-shape forms are infinite there).
        if (x < m_lo || (!Discrete && x == m_lo))
            return either(0.0);
        if (x >= m_hi)
            return either(1.0);
        if constexpr (kBetaType)
            if (const auto f = m_tinyShapes || m_oneSided ? BetaFormAt(*m_d, x) : std::nullopt; f) {
                if (TinyShapes(*f))
                    return upper ? TinyUpper(*f) : TinyLower(*f);
                return either(OneSidedMass(*f) > 0 ? 0.0 : 1.0);
            }
        if constexpr (kGammaType)
            if (const auto tail = LargeShapeGammaTail(Shape(), x / Scale(), upper))
                return *tail;
        if constexpr (kBetaType)
            if (const auto tail = OwnBetaTail(x, upper))
                return *tail;
        if constexpr (kIs<D, boost::math::non_central_f_distribution>) {
            const double d1 = m_d->degrees_of_freedom1(), d2 = m_d->degrees_of_freedom2();
            const double lambda = m_d->non_centrality();
            if (lambda < kShortSeriesNoncentrality || !std::isfinite(d1 / d2 * x))
                if (const auto tail = NoncentralFSeries(d1, d2, lambda, x, upper))
                    return *tail;
        }
        // The tail on x's side of the median is computed as such, the other as 1 minus it.
        const bool below = x <= Median();
        auto tail = static_cast<double>(below ? boost::math::cdf(*m_d, V(x))
                                              : boost::math::cdf(boost::math::complement(*m_d, V(x))));
        // In double arithmetic Boost's incomplete beta function loses digits where it nears the least
        // double (2 % of beta (788, 32)'s 2.8e-273 at 0.39, all of 5.3e-275 at 0.388): there in long double.
        if constexpr (kBetaType && std::is_same_v<typename D::policy_type, Fast>)
            if (tail < 1e-240) {
                const auto careful = Careful();
                tail = static_cast<double>(below ? boost::math::cdf(careful, V(x))
                                                 : boost::math::cdf(boost::math::complement(careful, V(x))));
            }
        if constexpr (kIs<D, boost::math::non_central_f_distribution>) {
            const double d1 = m_d->degrees_of_freedom1(), d2 = m_d->degrees_of_freedom2();
            // Boost's lower tail is 0 or negative below about 1e-200, and loses digits at a denormal y.
            if (below &&
                !(tail >= kLeastBoostNoncentralTail && d1 / d2 * x >= std::numeric_limits<double>::min()))
                tail =
                    NoncentralFSeries(d1, d2, m_d->non_centrality(), x, false).value_or(std::max(tail, 0.0));
        }
        if constexpr (kIs<D, boost::math::non_central_chi_squared_distribution>)
            if (below && !(tail >= kLeastBoostNoncentralTail))
                tail = NoncentralChiSquareLower(m_d->degrees_of_freedom(), m_d->non_centrality(), x)
                           .value_or(std::max(tail, 0.0));
        return upper == below ? 1 - tail : tail;
    }

protected:
    double Quantile(double p) const override {
        if constexpr (Discrete) {
            // The least integer whose cumulative value reaches p, searched from the Cornish-Fisher
            // guess (Boost's own search costs more, and never ends for some huge parameters).
            const double z = PhiInverse(p), mean = static_cast<double>(boost::math::mean(*m_d));
            const double sd = static_cast<double>(boost::math::standard_deviation(*m_d));
            const double skew = static_cast<double>(boost::math::skewness(*m_d));
            const double guess = mean + sd * (z + (z * z - 1) * skew / 6) - 0.5;
            return SearchQuantile(*this, p, std::ceil(guess), m_lo,
                                  std::min(m_hi, std::numeric_limits<double>::max()));
        }
        if constexpr (kBetaType)
            if (m_tinyShapes || m_oneSided)
                if (const auto f = BetaFormAt(*m_d, 0.5))
                    return TinyShapes(*f) ? TinyShapesQuantile(*f, p) : OneSidedMass(*f) < 0 ? 0.0 : m_hi;
        // Boost's inverse incomplete beta function never ends for some such shapes (F (3.3e-5, 7.3e-304)
        // at 6.9e-302), and gives values far off for others.
        if constexpr (kBetaType)
            if (m_oneTinyShape)
                return SolveOnLog(p, 1, 0.0);
        if constexpr (kGammaType)
            if (const auto x = LargeShapeGammaQuantile(Shape(), p))
                return *x * Scale();
        // 1 - p is exact above one half, where the complement keeps the upper tail's digits.
        // Boost's root finders throw where they find no bracket, whatever the policy.
        // Below about 1e-200 Boost's noncentral F tail, which its search follows, is 0 or negative.
        // Below one degree of freedom its search follows a tail that jumps to 0 where d1 x / d2 overflows,
        // and gives that point, infinity or no value for quantiles on either side of it; at a tiny
        // noncentrality it follows a tail of 1.
        if constexpr (kIs<D, boost::math::non_central_f_distribution>)
            if (p < 1e-140 || std::min(m_d->degrees_of_freedom1(), m_d->degrees_of_freedom2()) < 1 ||
                m_d->non_centrality() < kShortSeriesNoncentrality)
                return SolveOnLog(p, 1, 0.0);
        double x = NAN;
        try {
            x = static_cast<double>(p <= 0.5
                                        ? boost::math::quantile(*m_d, V(p))
                                        : boost::math::quantile(boost::math::complement(*m_d, V(1 - p))));
        } catch (const std::exception&) {
        }
        if constexpr (kNoncentral<D>)
            x = Polish(x, p);
        // Boost's inverse incomplete beta function stops near y = 3e-29 (beta (3.19, 3.76) at 1e-150 and at
        // 1e-300 gave 2.7e-29; so did F's quantile), or throws, and its noncentral searches end anywhere
        // where their tails are below 1e-200 (1.4e22 for the noncentral chi-square (1e-4, 1910) at
        // 3.6e-271), as do their upper ones (1.4e17 for the noncentral F (362, 1.04, 2.7) at 1 - 1.1e-15,
        // truly 1e29): a small tail is checked.
        if constexpr (kBetaType || kNoncentral<D>) {
            const double tail = p <= 0.5 ? p : 1 - p;
            if (m_lo == 0 && m_shift == 0 && (p < 1e-20 || (kNoncentral<D> && tail < 1e-8)) &&
                !(x > 0 && std::abs(p <= 0.5 ? Cdf(x) - p : Ccdf(x) - tail) <= 1e-6 * tail))
                x = SolveOnLog(p, 1, x > 0 && std::isfinite(x) ? std::log(x) : 0.0);
        }
        if (std::isnan(x)) {
            // Beyond the doubles: p not reached by the largest one (a denormal degree of freedom can
            // leave less than 1e-297 below it), or already reached just above the least value.
            constexpr double kMax = std::numeric_limits<double>::max();
            const double next = std::nextafter(m_lo, kMax);
            if (!Reaches(*this, kMax + m_shift, p))
                return INFINITY;
            if (Reaches(*this, next + m_shift, p))
                return next + m_shift;
            x = SolveQuantile(
                p, m_lo, m_hi, [this](double v) { return Cdf(v + m_shift); },
                [this](double v) { return Ccdf(v + m_shift); });
        }
        return x + m_shift;
    }

private:
    // A beta-type tail where Boost's law does not serve, or a finite sum is faster: with one tiny shape
    // Boost's law gives values far off (its median was 9e24 for F (3.3e-5, 7.3e-304), whose tail is below
    // 3e-299 over all the doubles), and F's beta variable, which Boost forms from d1 x and d2, is no
    // normal double where x or d2 is tiny, or overflows: there it is formed from d1 x / d2.
    std::optional<double> OwnBetaTail(double x, bool upper) const {
        if constexpr (kIs<D, boost::math::beta_distribution>) {
            const double a = m_d->alpha(), b = m_d->beta();
            return m_oneTinyShape ? BetaTail(a, b, x, 1 - x, upper)
                                  : numerics::FiniteBetaTail(a, b, x, 1 - x, upper);
        } else {
            const double d1 = static_cast<double>(m_d->degrees_of_freedom1());
            const double d2 = static_cast<double>(m_d->degrees_of_freedom2()), u = d1 * x;
            if (m_oneTinyShape ||
                !(std::min(u, d2) >= std::numeric_limits<double>::min() && u + d2 < INFINITY))
                return RatioBetaTail(d1 / 2, d2 / 2, d1 / d2 * x, std::log(d1) - std::log(d2) + std::log(x),
                                     upper);
            return numerics::FiniteBetaTail(d1 / 2, d2 / 2, u / (u + d2), d2 / (u + d2), upper);
        }
    }
    // The law with Boost's arithmetic in long double.
    auto Careful() const {
        if constexpr (kIs<D, boost::math::beta_distribution>)
            return boost::math::beta_distribution<double, Promoted>(m_d->alpha(), m_d->beta());
        else
            return boost::math::fisher_f_distribution<double, Promoted>(m_d->degrees_of_freedom1(),
                                                                        m_d->degrees_of_freedom2());
    }
    // A gamma-type law's shape and scale (a chi-square law's are half its degrees of freedom and 2).
    double Shape() const {
        if constexpr (kIs<D, boost::math::gamma_distribution>)
            return m_d->shape();
        else
            return m_d->degrees_of_freedom() / 2;
    }
    double Scale() const {
        if constexpr (kIs<D, boost::math::gamma_distribution>)
            return m_d->scale();
        else
            return 2;
    }

protected:
    // The quantile whose sign is known, solved for ln |x| by TOMS 748 from a bracket grown around y:
    // even a tiny df's tail, spread over hundreds of units of ln |x|, is smooth there. Beyond the largest
    // double, infinity.
    double SolveOnLog(double p, double sign, double y) const {
        // Increasing in y: how far the tail that holds p at sign e^y is past p.
        const auto past = [&](double v) {
            const double t = sign * std::exp(v);
            return sign * (p <= 0.5 ? Cdf(t) - p : (1 - p) - Ccdf(t));
        };
        // The support's own ends count as its bounds: the doubles next to them.
        const double top = std::log(std::nextafter(std::numeric_limits<double>::max(), 0.0));
        const double bottom = std::log(std::numeric_limits<double>::denorm_min());
        double a = std::clamp(y, bottom, top), b = a;
        double fa = past(a), fb = fa;
        for (double step = 0.5; fa > 0 && a > bottom; step *= 2) {
            b = a;
            fb = fa;
            a = std::max(bottom, a - step);
            fa = past(a);
        }
        for (double step = 0.5; fb < 0 && b < top; step *= 2) {
            a = b;
            fa = fb;
            b = std::min(top, b + step);
            fb = past(b);
        }
        if (fb < 0)
            return sign * INFINITY;
        if (fa > 0)
            return sign * std::exp(a);
        if (fa == 0 || fb == 0)
            return sign * std::exp(fa == 0 ? a : b);
        // ln |x| holds fewer digits than x (ln 1e21 = 48 to within 7e-15): Newton's steps on x end it.
        std::uintmax_t iterations = 100;
        const auto root = boost::math::tools::toms748_solve(
            past, a, b, fa, fb, boost::math::tools::eps_tolerance<double>(40), iterations);
        return Polish(sign * std::exp((root.first + root.second) / 2), p);
    }
    // Boost's noncentral quantiles stop at a few digits where the cumulative function is flat (0.0008 off
    // at 1e8 for d1 = 1e5, d2 = 0.01): Newton's steps on the tail that holds p, while they gain.
    double Polish(double x, double p) const {
        const auto miss = [&](double v) { return p <= 0.5 ? Cdf(v) - p : (1 - p) - Ccdf(v); };
        double off = miss(x);
        for (int step = 0; step < 8 && std::isfinite(x) && off != 0; ++step) {
            // A density of 0 (far out, below the least double) sends the step to infinity: no step then.
            const double next = x - off / Pdf(x);
            if (!std::isfinite(next))
                break;
            const double nextOff = miss(next);
            if (!(std::abs(nextOff) < std::abs(off)))
                break;
            x = next;
            off = nextOff;
        }
        return x;
    }

private:
    // With tiny shapes y^a is the cumulative value up to the mass near 0, (1 - y)^b the upper tail
    // beyond the one near 1; y and x are far below or next to a double's 1 then.
    double TinyShapesQuantile(const BetaForm& f, double p) const {
        const double low = f.b / (f.a + f.b);
        if (p <= low) {
            const double y = std::exp(std::log(p / low) / f.a);
            if constexpr (kIs<D, boost::math::fisher_f_distribution>)
                return y * f.b / f.a;  // x = d2 y / (d1 (1 - y)), 1 - y = 1
            return y;
        }
        const double rest = std::exp(std::log((1 - p) / (1 - low)) / f.b);
        if constexpr (kIs<D, boost::math::fisher_f_distribution>)
            return f.b / (f.a * rest);
        return 1 - rest;
    }

    // Found at the first call that needs it: a quantile costs as much as several tails. A discrete
    // law's mean is within 1 of its median, and costs nothing (its quantile never ends for a negative
    // binomial with r near 1e300).
    double Median() const {
        if (std::isnan(m_median)) {
            // So is a noncentral law's (whose quantile can take seconds); both are within a fraction of
            // a standard deviation of the median.
            if constexpr (Discrete || kNoncentral<D>)
                m_median = static_cast<double>(boost::math::mean(*m_d));
            // A noncentral t has no mean at df <= 1: delta over the median of s = sqrt(chi2(df) / df).
            if constexpr (kIs<D, boost::math::non_central_t_distribution>)
                if (std::isnan(m_median)) {
                    const double df = static_cast<double>(m_d->degrees_of_freedom());
                    const double chi = 2 * boost::math::gamma_p_inv(df / 2, 0.5, Fast()) / df;
                    m_median = static_cast<double>(m_d->non_centrality()) / std::sqrt(chi);
                }
            if (std::isnan(m_median))
                m_median = static_cast<double>(boost::math::median(*m_d));
            // Boost's search gives no median for a noncentral F with tiny degrees of freedom: ours, on
            // lower tails computed as such meanwhile (taken as 1 minus the upper one they were 0 at 1e-320).
            if constexpr (kIs<D, boost::math::non_central_f_distribution>)
                if (std::isnan(m_median)) {
                    m_median = INFINITY;
                    m_median = Quantile(0.5);
                }
            if (std::isnan(m_median))
                m_median = m_lo;
        }
        return m_median;
    }

    Maker<D> m_make;
    bool m_shifted;
    mutable double m_median = NAN;
    bool m_tinyShapes = false, m_oneSided = false, m_oneTinyShape = false;
    std::optional<D> m_d;
    double m_shift = 0;
    double m_lo = 0;
    double m_hi = 0;
};

// Student's t. For whole degrees of freedom up to kClosedForm the cumulative function is a finite sum
// in cos^2 of the angle atan(t / sqrt(df)), several times faster than the incomplete beta; where that
// sum would lose digits to cancellation (a small tail) the tail is the remainder series, summed
// directly. Other degrees of freedom and the quantile are Boost's.
// ln |t| of the t quantile at a tail q where the answer is huge: there the tail is the power law
// C df^((df - 1) / 2) |t|^-df to within df / t^2. Boost's quantile overflows (to +inf, the side lost) in
// its intermediate 1 / q long before the answer does: at 2.25 degrees of freedom and q = 1e-300 the
// answer is 1.3e133.
double PowerLawTLogQuantile(double df, double q) {
    return (std::lgamma((df + 1) / 2) - std::lgamma(df / 2) - 0.5 * std::log(df * std::numbers::pi) +
            (df - 1) / 2 * std::log(df) - std::log(q)) /
           df;
}

class StudentT : public DistributionBase {
public:
    static constexpr double kClosedForm = 100;

    bool IsDiscrete() const override { return false; }
    // c (1 + x^2 / df)^(-(df + 1) / 2) as c exp(-(df + 1) / 2 log1p(x^2 / df)), c computed once; Boost's
    // where c is no normal double.
    double Pdf(double x) const override {
        if (!m_factorIsNormal)
            return boost::math::pdf(*m_d, x);
        const double u = x * x / m_nu;
        const double log1pU = u < 1e300 ? std::log1p(u) : 2 * std::log(std::abs(x)) - std::log(m_nu);
        return m_factor * std::exp(-m_halfNuPlusHalf * log1pU);
    }
    double Cdf(double x) const override { return x <= 0 ? Tail(-x) : 1 - Tail(x); }
    double Ccdf(double x) const override { return x >= 0 ? Tail(x) : 1 - Tail(-x); }

protected:
    using D = boost::math::students_t_distribution<double, Fast>;

    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        // Denormal degrees of freedom are refused: Boost's density is 0 / 0 there, and its incomplete
        // beta function fails its own assertion.
        if (!(p[0] >= std::numeric_limits<double>::min()))
            return false;
        m_d.emplace(p[0]);
        m_nu = p[0];
        m_closed = p[0] == std::floor(p[0]) && p[0] <= kClosedForm;
        m_sqrtNu = std::sqrt(p[0]);
        // Gamma((df + 1) / 2) / (Gamma(df / 2) sqrt(df pi)), the ratio of gammas without their logarithms,
        // which cancel in the millions for large df.
        m_factor = 1 / (boost::math::tgamma_delta_ratio(p[0] / 2, 0.5, Fast()) * m_sqrtNu *
                        std::sqrt(std::numbers::pi));
        m_factorIsNormal = std::isnormal(m_factor);
        m_halfNuPlusHalf = p[0] / 2 + 0.5;
        return true;
    }
    double Quantile(double p) const override {
        const double x = p <= 0.5 ? boost::math::quantile(*m_d, p)
                                  : boost::math::quantile(boost::math::complement(*m_d, 1 - p));
        if (std::isfinite(x))
            return x;
        if (std::isinf(x)) {  // beyond the doubles, if so, as infinity
            const double t = std::exp(PowerLawTLogQuantile(m_nu, p <= 0.5 ? p : 1 - p));
            return p <= 0.5 ? -t : t;
        }
        return SolveQuantile(
            p, -INFINITY, INFINITY, [this](double v) { return Cdf(v); },
            [this](double v) { return Ccdf(v); });
    }

private:
    // P(T > a) for a >= 0.
    double Tail(double a) const {
        // Beyond 1e150 a^2 overflows Boost's beta argument (its tail was 0 for 1e155 at df 6.6e-4, truly
        // 0.39): the power law, the tail at which PowerLawTLogQuantile gives ln a. From 3 degrees of
        // freedom on that is below 1e-450, and the law's constant is no double at 1e308.
        if (!m_closed && a > 1e150 && m_nu < 3)
            return std::exp(m_nu * (PowerLawTLogQuantile(m_nu, 1) - std::log(a)));
        if (!m_closed)
            return boost::math::cdf(boost::math::complement(*m_d, a));
        if (std::isinf(a))
            return 0;
        constexpr double kTwoOverPi = 0.63661977236758134308;
        const double r = std::hypot(a, m_sqrtNu);
        const double s = a / r;         // sin of the angle
        const double c = m_sqrtNu / r;  // its cosine
        const double b = c * c;
        const int half = static_cast<int>(m_nu) / 2;
        const bool even = static_cast<int>(m_nu) % 2 == 0;
        if (!even && half == 0)
            return std::atan2(m_sqrtNu, a) / std::numbers::pi;  // the Cauchy law
        // A = P(|T| <= a): s (1 + b/2 + 1.3/(2.4) b^2 ...) for even df, (2/pi)(angle + s c (1 + 2/3 b +
        // 2.4/(3.5) b^2 ...)) for odd df, each with `half` terms.
        double term = 1;
        double sum = 1;
        for (int k = 1; k < half; ++k) {
            term *= even ? b * (2 * k - 1) / (2 * k) : b * (2 * k) / (2 * k + 1);
            sum += term;
        }
        const double inside = even ? s * sum : kTwoOverPi * (std::atan2(a, m_sqrtNu) + s * c * sum);
        // 1 - A keeps 1e-13 of its value while it is at least 0.01.
        if (1 - inside >= 0.01)
            return (1 - inside) / 2;
        // The same series from the term `half` on: their whole sum is 1/s (even) or angle'/(s c) (odd).
        double tail = 0;
        for (int k = half;; ++k) {
            term *= even ? b * (2 * k - 1) / (2 * k) : b * (2 * k) / (2 * k + 1);
            tail += term;
            if (term <= tail * 1e-17)
                break;
        }
        return (even ? s * tail : kTwoOverPi * s * c * tail) / 2;
    }

    std::optional<D> m_d;
    double m_nu = 0;
    double m_sqrtNu = 0;
    double m_factor = 0;
    double m_halfNuPlusHalf = 0;
    bool m_factorIsNormal = false;
    bool m_closed = false;
};

// q^n by squaring: within n units in the last place, at the cost of a few products.
double WholePower(double q, unsigned n) {
    double result = 1;
    for (; n; n >>= 1, q *= q)
        if (n & 1)
            result *= q;
    return result;
}

// exp(constant - Deviance(x, n p) - Deviance(n - x, n q)), Loader's form of a binomial-type term for a
// real x in (0, n); the constant holds the Stirling errors and 1 / sqrt(2 pi x (1 - x / n)), which depend
// on x and n alone.
struct SaddleTerm {
    double x = 0, n = 0, constant = 0;
    void Set(double x0, double n0) {
        x = x0;
        n = n0;
        constant = StirlingErrorOf(n) - StirlingErrorOf(x) - StirlingErrorOf(n - x) -
                   0.5 * (std::log(2 * std::numbers::pi) + std::log(x) + std::log1p(-x / n));
    }
    double operator()(double p, double q) const {
        return std::exp(constant - DevianceOf(x, n * p) - DevianceOf(n - x, n * q));
    }
};

// A saddle-point value where it is a normal double; else Boost's, unless Boost's is no value at all
// (denormal parameters), where the saddle-point value is within 1e-300 all the same.
template <class Boost>
double SaddleOrBoost(double density, Boost boost) {
    if (std::isnormal(density))
        return density;
    const double other = boost();
    return std::isnan(other) ? density : other;
}

// F (d1, d2) at moderate degrees of freedom: with p = d1 x / (d2 + d1 x) and q = d2 / (d2 + d1 x), each
// formed directly, the density is a binomial-type term in p and q times a simple factor; Boost's
// incomplete beta derivative costs several times as much. Elsewhere (x at 0, a tiny shape, a value
// that is no normal double) Boost's.
class FisherF : public BoostDistribution<boost::math::fisher_f_distribution<double, Fast>, false, 2> {
    using Base = BoostDistribution<boost::math::fisher_f_distribution<double, Fast>, false, 2>;

public:
    using Base::Base;
    double Pdf(double x) const override {
        if (m_direct && x > 0 && x < INFINITY) {
            const double f = 1 / (m_d2 + x * m_d1), q = m_d2 * f, p = x * m_d1 * f;
            double density = NAN;
            if (m_d1 >= 2) {
                const double power = !m_wholeX           ? m_term(p, q)
                                     : m_smallWholePower ? WholePower(q, static_cast<unsigned>(m_term.n))
                                                         : std::exp(m_term.n * std::log(q));
                density = m_d1 * q / 2 * power;
            } else {
                density = m_d1 * m_d1 * q / (2 * p * (m_d1 + m_d2)) * m_term(p, q);
            }
            return SaddleOrBoost(density, [&] { return Base::Pdf(x); });
        }
        return Base::Pdf(x);
    }

protected:
    bool Accept(std::span<const double> p) override {
        if (!Base::Accept(p))
            return false;
        m_d1 = p[0];
        m_d2 = p[1];
        // The Stirling errors need shapes that are not tiny; beyond 2000 the long double law takes over.
        m_direct = std::min(m_d1, m_d2) >= 1e-3 && std::max(m_d1, m_d2) <= 2e3;
        m_wholeX = m_d1 == 2;
        if (m_direct && !m_wholeX)
            m_d1 >= 2 ? m_term.Set((m_d1 - 2) / 2, (m_d1 + m_d2 - 2) / 2)
                      : m_term.Set(m_d1 / 2, (m_d1 + m_d2) / 2);
        if (m_wholeX)
            m_term.n = m_d2 / 2;
        m_smallWholePower = m_term.n == std::floor(m_term.n) && m_term.n <= 64;
        return true;
    }

private:
    double m_d1 = 1, m_d2 = 1;
    bool m_direct = false, m_wholeX = false, m_smallWholePower = false;
    SaddleTerm m_term;
};

// The binomial and negative binomial masses in Loader's form, as their densities are in nmath-like
// libraries: exp of Stirling errors and deviances, each small, times 1 / sqrt(2 pi ...); the masses at 0
// (and at n) computed once. Boost's incomplete beta derivative costs more. Where the result is no
// normal double (far in a tail), Boost's.
class BinomialLaw : public BoostDistribution<boost::math::binomial_distribution<double, Fast>, true, 2> {
    using Base = BoostDistribution<boost::math::binomial_distribution<double, Fast>, true, 2>;

public:
    using Base::Base;
    double Pdf(double x) const override {
        if (!m_direct || x < 0 || x > m_n)
            return Base::Pdf(x);
        if (x == 0 || x == m_n)
            return x == 0 ? m_atZero : m_atN;
        const double density = std::exp(m_stirlingN - StirlingErrorOf(x) - StirlingErrorOf(m_n - x) -
                                        DevianceOf(x, m_n * m_p) - DevianceOf(m_n - x, m_n * m_q)) *
                               std::sqrt(m_n / (2 * std::numbers::pi * x * (m_n - x)));
        return SaddleOrBoost(density, [&] { return Base::Pdf(x); });
    }

protected:
    bool Accept(std::span<const double> p) override {
        if (!Base::Accept(p))
            return false;
        m_n = p[0];
        m_p = p[1];
        m_q = 1 - p[1];
        m_direct = m_n > 0 && m_p > 0 && m_q > 0;
        if (m_direct) {
            m_stirlingN = StirlingErrorOf(m_n);
            m_atZero = std::exp(m_p < 0.5 ? m_n * std::log1p(-m_p) : m_n * std::log(m_q));
            m_atN = std::exp(m_q < 0.5 ? m_n * std::log1p(-m_q) : m_n * std::log(m_p));
        }
        return true;
    }

private:
    double m_n = 0, m_p = 0, m_q = 1, m_stirlingN = 0, m_atZero = 1, m_atN = 0;
    bool m_direct = false;
};

class NegativeBinomialLaw
    : public BoostDistribution<boost::math::negative_binomial_distribution<double, Fast>, true, 2> {
    using Base = BoostDistribution<boost::math::negative_binomial_distribution<double, Fast>, true, 2>;

public:
    using Base::Base;
    // r / (r + x) times the binomial-type term of r successes in r + x trials.
    double Pdf(double x) const override {
        // p^r at 0 for any r (Boost's gave no value with a denormal r and p).
        if (x == 0)
            return m_atZero;
        if (!m_direct || x < 0)
            return Base::Pdf(x);
        const double n = x + m_r;
        const double density = std::exp(StirlingErrorOf(n) - m_stirlingR - StirlingErrorOf(x) -
                                        DevianceOf(m_r, n * m_p) - DevianceOf(x, n * m_q)) /
                               std::sqrt(2 * std::numbers::pi * m_r * (x / n)) * (m_r / n);
        return SaddleOrBoost(density, [&] { return Base::Pdf(x); });
    }

protected:
    bool Accept(std::span<const double> p) override {
        if (!Base::Accept(p))
            return false;
        m_r = p[0];
        m_p = p[1];
        m_q = 1 - p[1];
        // The Stirling error of a tiny r is a difference of large logarithms.
        m_direct = m_r >= 1e-3 && m_q > 0;
        if (m_direct)
            m_stirlingR = StirlingErrorOf(m_r);
        m_atZero = std::exp(m_r * std::log(m_p));
        return true;
    }

private:
    double m_r = 1, m_p = 1, m_q = 0, m_stirlingR = 0, m_atZero = 1;
    bool m_direct = false;
};

// The gamma density as a Poisson-type term in Loader's form: with z = x / scale it is P(k - 1; z) / scale
// for a shape k >= 1 and P(k; z) k / x below, P(m; z) = exp(-StirlingError(m) - Deviance(m, z)) /
// sqrt(2 pi m) (e^-z at m = 0). Near 0, at tiny shapes or scales and where the result is no normal
// double, Boost's.
class GammaLaw : public BoostDistribution<boost::math::gamma_distribution<double, Fast>, false, 2> {
    using Base = BoostDistribution<boost::math::gamma_distribution<double, Fast>, false, 2>;

public:
    using Base::Base;
    double Pdf(double x) const override {
        if (!m_direct || !(x >= 1e-280 && x < INFINITY))
            return Base::Pdf(x);
        const double z = x / m_scale;
        const double poisson = m_m == 0 ? std::exp(-z) : std::exp(m_logFactor - DevianceOf(m_m, z));
        const double density = m_shape >= 1 ? poisson / m_scale : poisson * m_shape / x;
        return SaddleOrBoost(density, [&] { return Base::Pdf(x); });
    }

protected:
    bool Accept(std::span<const double> p) override {
        if (!Base::Accept(p))
            return false;
        m_shape = p[0];
        m_scale = p[1];
        m_m = m_shape >= 1 ? m_shape - 1 : m_shape;
        m_direct = m_shape >= 1e-3 && m_scale >= 1e-300 && m_scale <= 1e300;
        if (m_direct && m_m > 0)
            m_logFactor = -StirlingErrorOf(m_m) - 0.5 * std::log(2 * std::numbers::pi * m_m);
        return true;
    }

private:
    double m_shape = 1, m_scale = 1, m_m = 0, m_logFactor = 0;
    bool m_direct = false;
};

template <class D, bool Discrete = false, int N = 2>
std::unique_ptr<DistributionBase> Make(Maker<D> make, bool shifted = false) {
    return std::make_unique<Sealed<BoostDistribution<D, Discrete, N>>>(make, shifted);
}

// One law in two ways: the fast one, and a careful one for the parameters where the fast one falls short
// of full accuracy. The careful one may take only the first `carefulCount` parameters (a noncentral law
// whose noncentrality is 0 is the central one).
class ByRegion final : public DistributionBase {
public:
    using Predicate = bool (*)(std::span<const double>);
    ByRegion(int count, std::unique_ptr<DistributionBase> fast, std::unique_ptr<DistributionBase> careful,
             Predicate needsCare, int carefulCount = -1)
        : m_count(count),
          m_carefulCount(carefulCount < 0 ? count : carefulCount),
          m_fast(std::move(fast)),
          m_careful(std::move(careful)),
          m_needsCare(needsCare) {}

    bool IsDiscrete() const override { return m_fast->IsDiscrete(); }
    // The chosen law's own guards, one call away.
    double Density(double x) const override { return Valid() ? m_use->Density(x) : kMissingValue; }
    double Cumulative(double x) const override { return Valid() ? m_use->Cumulative(x) : kMissingValue; }
    double UpperTail(double x) const override { return Valid() ? m_use->UpperTail(x) : kMissingValue; }
    double Inverse(double p) const override { return Valid() ? m_use->Inverse(p) : kMissingValue; }
    double Pdf(double x) const override { return m_use->Pdf(x); }
    double Cdf(double x) const override { return m_use->Cdf(x); }
    double Ccdf(double x) const override { return m_use->Ccdf(x); }

protected:
    int Count() const override { return m_count; }
    bool Accept(std::span<const double> p) override {
        if (m_needsCare(p)) {
            m_use = m_careful.get();
            return m_use->SetParameters(p.first(m_carefulCount));
        }
        m_use = m_fast.get();
        return m_use->SetParameters(p);
    }
    double Quantile(double p) const override { return m_use->Inverse(p); }

private:
    int m_count, m_carefulCount;
    std::unique_ptr<DistributionBase> m_fast, m_careful;
    Predicate m_needsCare;
    DistributionBase* m_use = nullptr;
};

// The incomplete gamma and beta functions in double arithmetic alone lose digits with their shapes
// (1e-10 at a million); beyond this shape the long double ones.
constexpr double kCarefulShape = 1000;

// A Boost law with the fast policy where it reaches full accuracy, the promoted one beyond.
template <template <class, class> class D, bool Discrete = false, int N = 2>
std::unique_ptr<IDistribution> TwoWays(Maker<D<double, Fast>> fast, Maker<D<double, Promoted>> careful,
                                       ByRegion::Predicate large) {
    return std::make_unique<ByRegion>(N, Make<D<double, Fast>, Discrete, N>(fast),
                                      Make<D<double, Promoted>, Discrete, N>(careful), large);
}

using namespace boost::math;

// Boost's noncentral laws sum Poisson-weighted series from the weight's peak: with a noncentrality or
// degrees of freedom in the astronomic range they give up (no value) or take seconds. Such parameters
// are refused, so that the calculator says the result is missing.
bool WithinNoncentralRange(std::span<const double> p) {
    for (double v : p)
        if (std::abs(v) > 1e6)
            return false;
    return true;
}

// Boost's noncentral series at a noncentrality of 0 go wrong with small degrees of freedom (the
// cumulative value of a noncentral F (0.01, 5, 0) at 100 comes out at 1.996): there the central law.
// Below this a noncentrality moves no tail by a digit that a double keeps (a tail's relative change is
// about lambda times the ratio of the tails one shape apart, which stays far below 1e12 wherever a tail is a
// double), and Boost's series divide by its Poisson weights: a noncentral F's lower tail was infinite at a
// denormal one, and its quantile at 0.999 1.0 in place of 405284 (and took a second) below 1e-200.
constexpr double kNegligibleNoncentrality = 1e-30;

std::unique_ptr<IDistribution> CentralAtZero(int count, std::unique_ptr<DistributionBase> noncentral,
                                             int centralType, bool signedNoncentrality = false) {
    std::unique_ptr<DistributionBase> central(
        dynamic_cast<DistributionBase*>(MakeDistribution(centralType).release()));
    const auto negligible = [](std::span<const double> p) {
        return p.back() >= 0 && p.back() < kNegligibleNoncentrality;
    };
    const auto negligibleEitherSide = [](std::span<const double> p) {
        return std::abs(p.back()) < kNegligibleNoncentrality;
    };
    return std::make_unique<ByRegion>(count, std::move(noncentral), std::move(central),
                                      signedNoncentrality ? +negligibleEitherSide : +negligible, count - 1);
}

// Below this the noncentral F's tails lose digits (1e-10 at degrees of freedom of 1e-10, all of them at
// 1e-20), and so do the noncentral t's (1e-10 of its lower tail at 1e-10, which goes negative from 1e-20
// on); beyond this noncentrality the noncentral t gives no value at all (its Poisson terms are counted
// past 2^31 from delta^2 / 2).
constexpr double kLeastNoncentralDf = 1e-6;
// Below this the double noncentral F's tails lose digits (1e-10 at 1e-6): the long double ones.
constexpr double kLeastFastNoncentralFDf = 1;
// Below this the noncentral t's tails beyond 1e154, where t^2 overflows a double, are above 1e-300: there
// the long double ones.
constexpr double kLeastFastTDf = 3;
constexpr double kLargestTDelta = 6e4;

template <class D>
std::optional<D> LocationScale(std::span<const double> p) {
    return Positive(p[1]) ? std::optional<D>(D(p[0], p[1])) : std::nullopt;
}
template <class D>
std::optional<D> TwoPositive(std::span<const double> p) {
    return Positive(p[0]) && Positive(p[1]) ? std::optional<D>(D(p[0], p[1])) : std::nullopt;
}
// F's degrees of freedom: the least denormal is refused, since its half, the beta function's shape, is 0
// (both such gave no value at all).
template <class D>
std::optional<D> FDegrees(std::span<const double> p) {
    return p[0] / 2 > 0 && p[1] / 2 > 0 ? TwoPositive<D>(p) : std::nullopt;
}
template <class D>
std::optional<D> OnePositive(std::span<const double> p) {
    return Positive(p[0]) ? std::optional<D>(D(p[0])) : std::nullopt;
}
// Degrees of freedom of a chi-square law: a denormal one is refused (half of the least is 0).
template <class D>
std::optional<D> DegreesOfFreedom(std::span<const double> p) {
    return p[0] >= std::numeric_limits<double>::min() ? std::optional<D>(D(p[0])) : std::nullopt;
}

// Boost's long double incomplete beta function loses digits as the shapes grow (2e-12 of a beta (3e7, 1e8)
// tail, 5e-10 at (1e10, 3e10), 2e-8 at 1e12; F (1e20, 10) gives no value at all): beyond this shapes
// are refused.
constexpr double kLargestBetaShape = 1e7;

template <class D>
std::optional<D> WithinShapeRange(std::span<const double> p) {
    return std::max(p[0], p[1]) > kLargestBetaShape ? std::nullopt : TwoPositive<D>(p);
}

template <class Policy>
std::optional<binomial_distribution<double, Policy>> BinomialMaker(std::span<const double> p) {
    return IsInteger(p[0]) && p[0] >= 0 && p[1] >= 0 && p[1] <= 1
               ? std::optional(binomial_distribution<double, Policy>(p[0], p[1]))
               : std::nullopt;
}
template <class Policy>
std::optional<negative_binomial_distribution<double, Policy>> NegativeBinomialMaker(
    std::span<const double> p) {
    // r and the mean r (1 - p) / p are the shapes of its incomplete beta function (cumulative 0.31 at the
    // mean of r = 1e16, p = 0.5). A denormal p is refused: Boost's mass is nan there (r = 1e-307 at 3).
    return Positive(p[0]) && p[1] >= std::numeric_limits<double>::min() && p[1] <= 1 &&
                   p[0] <= kLargestBetaShape && p[0] * (1 - p[1]) <= kLargestBetaShape * p[1]
               ? std::optional(negative_binomial_distribution<double, Policy>(p[0], p[1]))
               : std::nullopt;
}
// Beyond this shape Boost's long double incomplete gamma function stops its series after a million terms
// and returns what it has, with no sign of it (gamma (1e12, 1) gives 0.66 at its mean, Poisson (1e12)
// 0.34): the gamma laws and the Poisson refuse such shapes and means.
constexpr double kLargestGammaShape = 1e10;

template <class Policy>
std::optional<non_central_f_distribution<double, Policy>> NoncentralFMaker(std::span<const double> p) {
    return p[0] >= kLeastNoncentralDf && p[1] >= kLeastNoncentralDf && p[2] >= 0 && WithinNoncentralRange(p)
               ? std::optional(non_central_f_distribution<double, Policy>(p[0], p[1], p[2]))
               : std::nullopt;
}
template <class Policy>
std::optional<non_central_t_distribution<double, Policy>> NoncentralTMaker(std::span<const double> p) {
    return p[0] >= kLeastNoncentralDf && std::abs(p[1]) <= kLargestTDelta && WithinNoncentralRange(p)
               ? std::optional(non_central_t_distribution<double, Policy>(p[0], p[1]))
               : std::nullopt;
}
template <class Policy>
std::optional<gamma_distribution<double, Policy>> ErlangMaker(std::span<const double> p) {
    return IsInteger(p[0]) && p[0] >= 1 && p[0] <= kLargestGammaShape && Positive(p[1])
               ? std::optional(gamma_distribution<double, Policy>(p[0], p[1]))
               : std::nullopt;
}

// The noncentral t: its tails and density from the short series where the noncentrality is small, else
// by quadrature. Boost's series cancel on the far side of 0 from delta (3e-10 of the lower tail of (5,
// 2.8) at -30, 8e-10 of its density; 0 for (10, -10) at 1, truly 1e-24), and their Poisson sums grow
// with delta^2 (1 to 15 ms a tail at 1e4, 7e-9 off there); they serve only beyond 1e300 degrees of
// freedom, where the law is the normal one at delta.
template <class Policy>
class NoncentralTLaw
    : public BoostDistribution<boost::math::non_central_t_distribution<double, Policy>, false, 2> {
    using Base = BoostDistribution<boost::math::non_central_t_distribution<double, Policy>, false, 2>;

public:
    using Base::Base;
    double Pdf(double x) const override {
        if (const auto density = m_series.Density(x))
            return *density;
        return m_quadrature ? NoncentralTQuadratureDensity(m_df, m_delta, x) : Base::Pdf(x);
    }
    double Cdf(double x) const override { return Tail(x, false); }
    double Ccdf(double x) const override { return Tail(x, true); }

protected:
    // Solved for ln |t| with these tails on the side of 0 that holds p; on delta's side from the central
    // law's quantile where the series serves, else from about delta / s, s = sqrt(chi2(df) / df), at the
    // matching quantile of s. (Boost's own search follows its tails: a quarter of a second at a
    // subnormal p.)
    double Quantile(double p) const override {
        if (!m_quadrature)
            return Base::Quantile(p);
        const double atZero = Cdf(0.0);
        if (p == atZero)
            return 0.0;
        const double side = p < atZero ? -1 : 1;
        if (side * m_delta <= 0)
            return this->SolveOnLog(p, side, 0.0);
        double y = NAN;
        if (m_series.Applies()) {
            // Close to the central law: from its quantile.
            const boost::math::students_t_distribution<double, Fast> central(m_df);
            const double q = p <= 0.5 ? p : 1 - p;
            y = std::log(std::abs(boost::math::quantile(central, q)));
            if (!std::isfinite(y))
                y = PowerLawTLogQuantile(m_df, q);
        } else {
            // T <= t is about s <= delta / t for a negative delta and s >= delta / t for a positive one.
            const double a = m_df / 2;
            const double g =
                m_delta < 0 ? boost::math::gamma_p_inv(a, p, Fast()) : boost::math::gamma_q_inv(a, p, Fast());
            y = std::log(std::abs(m_delta)) - 0.5 * std::log(g / a);
        }
        return this->SolveOnLog(p, side, std::isfinite(y) ? y : 0.0);
    }
    bool Accept(std::span<const double> p) override {
        m_series = NoncentralTSeries(p[0], p[1]);
        m_df = p[0];
        m_delta = p[1];
        m_quadrature = m_df < 1e300;
        return Base::Accept(p);
    }

private:
    double Tail(double x, bool upper) const {
        if (std::isinf(x))  // (the quadrature took half a second to give nan there)
            return (x > 0) != upper ? 1.0 : 0.0;
        if (const auto tail = m_series.Tail(x, upper))
            return *tail;
        if (m_quadrature)
            return NoncentralTQuadratureTail(m_df, m_delta, x, upper);
        return upper ? Base::Ccdf(x) : Base::Cdf(x);
    }

    NoncentralTSeries m_series{1, 1e300};
    double m_df = 1, m_delta = 0;
    bool m_quadrature = false;
};

}  // namespace

std::unique_ptr<IDistribution> MakeDistribution(int type) {
    using namespace NmsEnum;
    switch (type) {
        case BETA:
            return TwoWays<beta_distribution>(
                WithinShapeRange<beta_distribution<double, Fast>>,
                WithinShapeRange<beta_distribution<double, Promoted>>,
                [](std::span<const double> p) { return std::max(p[0], p[1]) > kCarefulShape; });
        case DEXP:
            return Make<laplace_distribution<double, Fast>>(
                LocationScale<laplace_distribution<double, Fast>>);
        case T:
            return std::make_unique<Sealed<StudentT>>();
        case GUMBEL:
            return Make<extreme_value_distribution<double, Fast>>(
                LocationScale<extreme_value_distribution<double, Fast>>);
        case GAMMA:
            return std::make_unique<ByRegion>(
                2, std::make_unique<Sealed<GammaLaw>>(TwoPositive<gamma_distribution<double, Fast>>),
                Make<gamma_distribution<double, Promoted>>([](std::span<const double> p) {
                    return p[0] <= kLargestGammaShape ? TwoPositive<gamma_distribution<double, Promoted>>(p)
                                                      : std::nullopt;
                }),
                [](std::span<const double> p) { return p[0] > kCarefulShape; });
        case CHISQ:
            return TwoWays<chi_squared_distribution, false, 1>(
                DegreesOfFreedom<chi_squared_distribution<double, Fast>>,
                [](std::span<const double> p) {
                    return p[0] / 2 <= kLargestGammaShape
                               ? DegreesOfFreedom<chi_squared_distribution<double, Promoted>>(p)
                               : std::nullopt;
                },
                [](std::span<const double> p) { return p[0] / 2 > kCarefulShape; });
        case F:
            // With large degrees of freedom the beta function's argument d1 x / (d1 x + d2) must itself
            // be exact beyond a double: the whole law in long double.
            return std::make_unique<ByRegion>(
                2, std::make_unique<Sealed<FisherF>>(FDegrees<fisher_f_distribution<double, Fast>>),
                Make<fisher_f_distribution<long double, Promoted>>(
                    WithinShapeRange<fisher_f_distribution<long double, Promoted>>),
                [](std::span<const double> p) { return std::max(p[0], p[1]) / 2 > kCarefulShape; });
        case ERLANG:
            return TwoWays<gamma_distribution>(
                ErlangMaker<Fast>, ErlangMaker<Promoted>,
                [](std::span<const double> p) { return p[0] > kCarefulShape; });
        case NCCHISQ:
            return CentralAtZero(
                2,
                Make<non_central_chi_squared_distribution<double, Promoted>>([](std::span<const double> p) {
                    using D = non_central_chi_squared_distribution<double, Promoted>;
                    // As the central law's: a denormal df gave nan at 0 and 0 for densities near 1e-24.
                    return p[0] >= std::numeric_limits<double>::min() && p[1] >= 0 && WithinNoncentralRange(p)
                               ? std::optional(D(p[0], p[1]))
                               : std::nullopt;
                }),
                CHISQ);
        case NCF:
            return CentralAtZero(
                3,
                std::make_unique<ByRegion>(
                    3, Make<non_central_f_distribution<double, Fast>, false, 3>(NoncentralFMaker<Fast>),
                    Make<non_central_f_distribution<double, Promoted>, false, 3>(NoncentralFMaker<Promoted>),
                    [](std::span<const double> p) {
                        return std::min(p[0], p[1]) < kLeastFastNoncentralFDf ||
                               std::max(p[0], p[1]) / 2 > kCarefulShape;
                    }),
                F);
        case NCT:
            return CentralAtZero(
                2,
                std::make_unique<ByRegion>(
                    2, std::make_unique<Sealed<NoncentralTLaw<Fast>>>(NoncentralTMaker<Fast>),
                    std::make_unique<Sealed<NoncentralTLaw<Promoted>>>(NoncentralTMaker<Promoted>),
                    [](std::span<const double> p) {
                        return p[0] < kLeastFastTDf || p[0] / 2 > kCarefulShape;
                    }),
                T, true);
        case POISSON:
            return TwoWays<poisson_distribution, true, 1>(
                OnePositive<poisson_distribution<double, Fast>>,
                [](std::span<const double> p) {
                    return p[0] <= kLargestGammaShape ? OnePositive<poisson_distribution<double, Promoted>>(p)
                                                      : std::nullopt;
                },
                [](std::span<const double> p) { return p[0] > kCarefulShape; });
        case BINOMIAL: {
            // Beyond a million trials even the long double incomplete beta function falls short.
            auto careful = std::make_unique<ByRegion>(
                2, Make<binomial_distribution<double, Promoted>, true>(BinomialMaker<Promoted>),
                MakeLargeBinomial(), [](std::span<const double> p) { return p[0] > 1e6; });
            return std::make_unique<ByRegion>(2, std::make_unique<Sealed<BinomialLaw>>(BinomialMaker<Fast>),
                                              std::move(careful),
                                              [](std::span<const double> p) { return p[0] > kCarefulShape; });
        }
        case NBINOMIAL:
            // The mean r (1 - p) / p is the other shape of its incomplete beta function.
            return std::make_unique<ByRegion>(
                2, std::make_unique<Sealed<NegativeBinomialLaw>>(NegativeBinomialMaker<Fast>),
                Make<negative_binomial_distribution<double, Promoted>, true>(NegativeBinomialMaker<Promoted>),
                [](std::span<const double> p) {
                    const double mean = p[0] * (1 - p[1]) / p[1];
                    return std::max(p[0], mean) > kCarefulShape;
                });
        default:
            return MakeOwnDistribution(type);
    }
}

int ParameterCount(int type) {
    using namespace NmsEnum;
    switch (type) {
        case T:
        case CHISQ:
        case RAYLEIGH:
        case DUNIFORM:
        case POISSON:
        case GEOMETRIC:
        case ZIPF:
        case BENFORD:
        case LSERIES:
            return 1;
        case TRIANGULAR:
        case HGEOMETRIC:
        case NCF:
            return 3;
        default:
            return MakeDistribution(type) ? 2 : 0;
    }
}

}  // namespace numerics
