// The distributions Boost.Math has, with the policies chosen for speed at full double accuracy.
#include "Numerics/Distributions.h"

#include <boost/math/distributions.hpp>
#include <boost/math/tools/roots.hpp>
#include <cstdint>
#include <numbers>
#include <optional>

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
    std::uintmax_t iterations = 200;
    const auto r =
        boost::math::tools::toms748_solve(f, a, b, boost::math::tools::eps_tolerance<double>(53), iterations);
    return (r.first + r.second) / 2;
}

template <class D, bool Discrete, int N>
class BoostDistribution final : public DistributionBase {
public:
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
            m_lo = range.first;
            m_hi = range.second;
        }
        return m_d.has_value();
    }

public:
    double Pdf(double x) const override {
        x -= m_shift;
        return x < m_lo || x > m_hi ? 0.0 : boost::math::pdf(*m_d, x);
    }
    double Cdf(double x) const override {
        x -= m_shift;
        return x < m_lo ? 0.0 : x >= m_hi ? 1.0 : boost::math::cdf(*m_d, x);
    }
    double Ccdf(double x) const override {
        x -= m_shift;
        if (x < m_lo)
            return 1.0;
        if (x >= m_hi)
            return 0.0;
        // An upper tail near 1 is 1 minus the small lower one: Boost's complement can round it to 1
        // too early (ibetac(1/2, 1/2, x) is exactly 1 for x <= 1e-20).
        const double lower = boost::math::cdf(*m_d, x);
        return lower < 0.5 ? 1 - lower : boost::math::cdf(boost::math::complement(*m_d, x));
    }

protected:
    double Quantile(double p) const override {
        // 1 - p is exact above one half, where the complement keeps the upper tail's digits.
        double x = p <= 0.5 ? boost::math::quantile(*m_d, p)
                            : boost::math::quantile(boost::math::complement(*m_d, 1 - p));
        if constexpr (Discrete) {
            // Boost's geometric quantile ignores the rounding policy and interpolates; every discrete
            // quantile is settled here as the least integer whose cumulative value reaches p.
            const auto reaches = [&](double k) { return numerics::Reaches(*this, k, p); };
            x = std::ceil(x);
            while (x > m_lo && reaches(x - 1))
                --x;
            while (x < m_hi && !reaches(x))
                ++x;
        } else if (std::isnan(x)) {
            x = SolveQuantile(
                p, m_lo, m_hi, [this](double v) { return Cdf(v + m_shift); },
                [this](double v) { return Ccdf(v + m_shift); });
        }
        return x + m_shift;
    }

private:
    Maker<D> m_make;
    bool m_shifted;
    std::optional<D> m_d;
    double m_shift = 0;
    double m_lo = 0;
    double m_hi = 0;
};

// Student's t. For whole degrees of freedom up to kClosedForm the cumulative function is a finite sum
// in cos^2 of the angle atan(t / sqrt(df)), several times faster than the incomplete beta; where that
// sum would lose digits to cancellation (a small tail) the tail is the remainder series, summed
// directly. Other degrees of freedom, the density and the quantile are Boost's.
class StudentT final : public DistributionBase {
public:
    static constexpr double kClosedForm = 30;

    bool IsDiscrete() const override { return false; }
    double Pdf(double x) const override { return boost::math::pdf(*m_d, x); }
    double Cdf(double x) const override { return x <= 0 ? Tail(-x) : 1 - Tail(x); }
    double Ccdf(double x) const override { return x >= 0 ? Tail(x) : 1 - Tail(-x); }

protected:
    using D = boost::math::students_t_distribution<double, Fast>;

    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        if (!(p[0] > 0))
            return false;
        m_d.emplace(p[0]);
        m_nu = p[0];
        m_closed = p[0] == std::floor(p[0]) && p[0] <= kClosedForm;
        m_sqrtNu = std::sqrt(p[0]);
        return true;
    }
    double Quantile(double p) const override {
        const double x = p <= 0.5 ? boost::math::quantile(*m_d, p)
                                  : boost::math::quantile(boost::math::complement(*m_d, 1 - p));
        if (!std::isnan(x))
            return x;
        return SolveQuantile(
            p, -INFINITY, INFINITY, [this](double v) { return Cdf(v); },
            [this](double v) { return Ccdf(v); });
    }

private:
    // P(T > a) for a >= 0.
    double Tail(double a) const {
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
    bool m_closed = false;
};

template <class D, bool Discrete = false, int N = 2>
std::unique_ptr<IDistribution> Make(Maker<D> make, bool shifted = false) {
    return std::make_unique<BoostDistribution<D, Discrete, N>>(make, shifted);
}

using namespace boost::math;

template <class D>
std::optional<D> LocationScale(std::span<const double> p) {
    return Positive(p[1]) ? std::optional<D>(D(p[0], p[1])) : std::nullopt;
}
template <class D>
std::optional<D> TwoPositive(std::span<const double> p) {
    return Positive(p[0]) && Positive(p[1]) ? std::optional<D>(D(p[0], p[1])) : std::nullopt;
}
template <class D>
std::optional<D> OnePositive(std::span<const double> p) {
    return Positive(p[0]) ? std::optional<D>(D(p[0])) : std::nullopt;
}

}  // namespace

std::unique_ptr<IDistribution> MakeDistribution(int type) {
    using namespace NmsEnum;
    switch (type) {
        case UNIFORM:
            return Make<uniform_distribution<double, Fast>>([](std::span<const double> p) {
                return p[0] < p[1] ? std::optional(uniform_distribution<double, Fast>(p[0], p[1]))
                                   : std::nullopt;
            });
        case BETA:
            return Make<beta_distribution<double, Fast>>(TwoPositive<beta_distribution<double, Fast>>);
        case TRIANGULAR:
            // The catalogue gives lower, upper, mode; Boost takes lower, mode, upper.
            return Make<triangular_distribution<double, Fast>, false, 3>([](std::span<const double> p) {
                using D = triangular_distribution<double, Fast>;
                return p[0] < p[1] && p[0] <= p[2] && p[2] <= p[1] ? std::optional(D(p[0], p[2], p[1]))
                                                                   : std::nullopt;
            });
        case LOGISTIC:
            return Make<logistic_distribution<double, Fast>>(
                LocationScale<logistic_distribution<double, Fast>>);
        case DEXP:
            return Make<laplace_distribution<double, Fast>>(
                LocationScale<laplace_distribution<double, Fast>>);
        case T:
            return std::make_unique<StudentT>();
        case CAUCHY:
            return Make<cauchy_distribution<double, Fast>>(LocationScale<cauchy_distribution<double, Fast>>);
        case GUMBEL:
            return Make<extreme_value_distribution<double, Fast>>(
                LocationScale<extreme_value_distribution<double, Fast>>);
        case NORMAL:
            return Make<normal_distribution<double, Fast>>(LocationScale<normal_distribution<double, Fast>>);
        case GAMMA:
            return Make<gamma_distribution<double, Fast>>(TwoPositive<gamma_distribution<double, Fast>>);
        case CHISQ:
            return Make<chi_squared_distribution<double, Fast>, false, 1>(
                OnePositive<chi_squared_distribution<double, Fast>>);
        case LNORMAL:
            return Make<lognormal_distribution<double, Fast>>(
                LocationScale<lognormal_distribution<double, Fast>>);
        case F:
            return Make<fisher_f_distribution<double, Fast>>(
                TwoPositive<fisher_f_distribution<double, Fast>>);
        case WEIBULL:
            return Make<weibull_distribution<double, Fast>>(TwoPositive<weibull_distribution<double, Fast>>);
        case RAYLEIGH:
            return Make<rayleigh_distribution<double, Fast>, false, 1>(
                OnePositive<rayleigh_distribution<double, Fast>>);
        case IGAUSSIAN:
            return Make<inverse_gaussian_distribution<double, Fast>>(
                TwoPositive<inverse_gaussian_distribution<double, Fast>>);
        case EXP:
            // Location, then the scale, which Boost takes as its inverse, the rate.
            return Make<exponential_distribution<double, Fast>, false, 2>(
                [](std::span<const double> p) {
                    using D = exponential_distribution<double, Fast>;
                    return Positive(p[0]) ? std::optional(D(1 / p[0])) : std::nullopt;
                },
                true);
        case ERLANG:
            return Make<gamma_distribution<double, Fast>>([](std::span<const double> p) {
                using D = gamma_distribution<double, Fast>;
                return IsInteger(p[0]) && p[0] >= 1 && Positive(p[1]) ? std::optional(D(p[0], p[1]))
                                                                      : std::nullopt;
            });
        case NCCHISQ:
            return Make<non_central_chi_squared_distribution<double, Promoted>>(
                [](std::span<const double> p) {
                    using D = non_central_chi_squared_distribution<double, Promoted>;
                    return Positive(p[0]) && p[1] >= 0 ? std::optional(D(p[0], p[1])) : std::nullopt;
                });
        case NCF:
            return Make<non_central_f_distribution<double, Promoted>, false, 3>(
                [](std::span<const double> p) {
                    using D = non_central_f_distribution<double, Promoted>;
                    return Positive(p[0]) && Positive(p[1]) && p[2] >= 0 ? std::optional(D(p[0], p[1], p[2]))
                                                                         : std::nullopt;
                });
        case NCT:
            return Make<non_central_t_distribution<double, Promoted>>([](std::span<const double> p) {
                using D = non_central_t_distribution<double, Promoted>;
                return Positive(p[0]) ? std::optional(D(p[0], p[1])) : std::nullopt;
            });
        case POISSON:
            return Make<poisson_distribution<double, Fast>, true, 1>(
                OnePositive<poisson_distribution<double, Fast>>);
        case BINOMIAL:
            return Make<binomial_distribution<double, Fast>, true>([](std::span<const double> p) {
                using D = binomial_distribution<double, Fast>;
                return IsInteger(p[0]) && p[0] >= 0 && p[1] >= 0 && p[1] <= 1 ? std::optional(D(p[0], p[1]))
                                                                              : std::nullopt;
            });
        case NBINOMIAL:
            return Make<negative_binomial_distribution<double, Fast>, true>([](std::span<const double> p) {
                using D = negative_binomial_distribution<double, Fast>;
                return Positive(p[0]) && p[1] > 0 && p[1] <= 1 ? std::optional(D(p[0], p[1])) : std::nullopt;
            });
        case GEOMETRIC:
            return Make<geometric_distribution<double, Fast>, true, 1>([](std::span<const double> p) {
                using D = geometric_distribution<double, Fast>;
                return p[0] > 0 && p[0] <= 1 ? std::optional(D(p[0])) : std::nullopt;
            });
        case HGEOMETRIC:
            // Population N, successes K, sample n; Boost takes K, n, N.
            return Make<hypergeometric_distribution<double, Fast>, true, 3>([](std::span<const double> p) {
                using D = hypergeometric_distribution<double, Fast>;
                const bool ok = IsInteger(p[0]) && IsInteger(p[1]) && IsInteger(p[2]) && p[0] >= 1 &&
                                p[1] >= 0 && p[2] >= 0 && p[1] <= p[0] && p[2] <= p[0];
                return ok ? std::optional(D(static_cast<unsigned>(p[1]), static_cast<unsigned>(p[2]),
                                            static_cast<unsigned>(p[0])))
                          : std::nullopt;
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
