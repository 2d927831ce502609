// The distributions Boost.Math lacks: closed forms, sums, and the studentized range and maximum
// modulus by quadrature.
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/tools/roots.hpp>
#include <cstdint>
#include <limits>

#include "Numerics/Distributions.h"

namespace numerics {

namespace {

constexpr double kPi = 3.141592653589793238462643383279502884;
constexpr double kSqrt2 = 1.414213562373095048801688724209698079;

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
double PhiInverse(double p) {
    return -kSqrt2 * boost::math::erfc_inv(2 * p);
}

// A continuous distribution with closed forms on a standardised variable.
class ClosedForm : public DistributionBase {
public:
    bool IsDiscrete() const override { return false; }
};

// ENORM: logit(X) is normal with mean m and sd s; X lies in (0, 1).
class LogitNormal final : public ClosedForm {
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        m = p[0];
        s = p[1];
        return s > 0;
    }
    double Z(double x) const { return (std::log(x) - std::log1p(-x) - m) / s; }
    double Pdf(double x) const override {
        return x <= 0 || x >= 1 ? 0.0 : PhiDensity(Z(x)) / (s * x * (1 - x));
    }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : x >= 1 ? 1.0 : Phi(Z(x)); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : x >= 1 ? 0.0 : PhiUpper(Z(x)); }
    double Quantile(double p) const override {
        const double y = m + s * (p <= 0.5 ? PhiInverse(p) : -PhiInverse(1 - p));
        return 1 / (1 + std::exp(-y));
    }
    double m = 0, s = 1;
};

// Gompertz with hazard B c^x on x >= 0: the cumulative hazard is B / ln c (c^x - 1).
class Gompertz final : public ClosedForm {
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        B = p[0];
        b = std::log(p[1]);
        return p[0] > 0 && p[1] > 1;
    }
    double H(double x) const { return B / b * std::expm1(b * x); }
    double Pdf(double x) const override { return x < 0 ? 0.0 : B * std::exp(b * x - H(x)); }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : -std::expm1(-H(x)); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : std::exp(-H(x)); }
    double Quantile(double p) const override {
        const double h = p <= 0.5 ? -std::log1p(-p) : -std::log(1 - p);
        return std::log1p(h * b / B) / b;
    }
    double B = 1, b = 1;
};

// Log-logistic with scale a and shape k: F(x) = 1 / (1 + (x / a)^-k), through t = k ln(x / a).
class LogLogistic final : public ClosedForm {
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
        const double e = std::exp(-std::abs(Tval(x)));
        return k / x * e / ((1 + e) * (1 + e));
    }
    double Cdf(double x) const override { return x <= 0 ? 0.0 : 1 / (1 + std::exp(-Tval(x))); }
    double Ccdf(double x) const override { return x <= 0 ? 1.0 : 1 / (1 + std::exp(Tval(x))); }
    double Quantile(double p) const override {
        const double t = p <= 0.5 ? std::log(p) - std::log1p(-p) : std::log1p(-(1 - p)) - std::log(1 - p);
        return a * std::exp(t / k);
    }
    double a = 1, k = 1;
};

// Smallest extreme value with location m and scale s: P(X > x) = exp(-exp((x - m) / s)).
class SmallestExtremeValue final : public ClosedForm {
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        m = p[0];
        s = p[1];
        return s > 0;
    }
    double Pdf(double x) const override {
        const double z = (x - m) / s;
        return std::exp(z - std::exp(z)) / s;
    }
    double Cdf(double x) const override { return -std::expm1(-std::exp((x - m) / s)); }
    double Ccdf(double x) const override { return std::exp(-std::exp((x - m) / s)); }
    double Quantile(double p) const override {
        const double e = p <= 0.5 ? -std::log1p(-p) : -std::log(1 - p);
        return m + s * std::log(e);
    }
    double m = 0, s = 1;
};

// Pareto with scale m (the least value) and shape a. Boost's cumulative function is 1 - (m / x)^a,
// which loses every digit just above m; here it is -expm1(a log(m / x)).
class Pareto final : public ClosedForm {
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        m = p[0];
        a = p[1];
        return m > 0 && a > 0;
    }
    double Pdf(double x) const override { return x < m ? 0.0 : a / x * std::exp(a * std::log(m / x)); }
    double Cdf(double x) const override { return x <= m ? 0.0 : -std::expm1(-a * std::log1p((x - m) / m)); }
    double Ccdf(double x) const override { return x <= m ? 1.0 : std::exp(-a * std::log1p((x - m) / m)); }
    double Quantile(double p) const override {
        const double logUpper = p <= 0.5 ? std::log1p(-p) : std::log(1 - p);
        return m * std::exp(-logUpper / a);
    }
    double m = 1, a = 1;
};

// ---- discrete ----------------------------------------------------------------------------------------

// A discrete distribution on the integers from First(); its quantile is the least k with F(k) >= p,
// found by doubling and bisection on the tail that keeps the digits.
class Discrete : public DistributionBase {
public:
    bool IsDiscrete() const override { return true; }

protected:
    virtual double First() const { return 1; }
    double Quantile(double p) const override {
        const auto reaches = [&](double k) { return numerics::Reaches(*this, k, p); };
        double lo = First() - 1;  // F(lo) = 0 < p
        double hi = First();
        while (!reaches(hi)) {
            lo = hi;
            hi = First() + 2 * (hi - First() + 1);
            if (hi > 9.0e15)
                return kMissingValue;
        }
        while (hi - lo > 1) {
            const double mid = std::floor(lo + (hi - lo) / 2);
            (reaches(mid) ? hi : lo) = mid;
        }
        return hi;
    }
};

class DiscreteUniform final : public Discrete {
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        n = p[0];
        return IsInteger(n) && n >= 1;
    }
    double Pdf(double x) const override { return x >= 1 && x <= n ? 1 / n : 0.0; }
    double Cdf(double x) const override { return x < 1 ? 0.0 : x >= n ? 1.0 : x / n; }
    double Ccdf(double x) const override { return x < 1 ? 1.0 : x >= n ? 0.0 : (n - x) / n; }
    double n = 1;
};

// Benford's law for base B: P(d) = log_B(1 + 1/d), d = 1 .. B - 1.
class Benford final : public Discrete {
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        base = p[0];
        logBase = std::log(base);
        return IsInteger(base) && base >= 2;
    }
    double Pdf(double x) const override { return x >= 1 && x < base ? std::log1p(1 / x) / logBase : 0.0; }
    double Cdf(double x) const override {
        return x < 1 ? 0.0 : x >= base - 1 ? 1.0 : std::log(x + 1) / logBase;
    }
    double Ccdf(double x) const override {
        return x < 1 ? 1.0 : x >= base - 1 ? 0.0 : std::log(base / (x + 1)) / logBase;
    }
    double base = 10, logBase = 1;
};

// Distributions on 1, 2, ... given by a term sequence a_k with total S: P(k) = a_k / S. The lower
// tail is summed from 1 when it is the smaller one, else found as 1 - upper; the upper tail likewise.
class SeriesDistribution : public Discrete {
protected:
    virtual double Term(double k) const = 0;
    virtual double Total() const = 0;
    // Sum of a_j for j > k.
    virtual double Tail(double k) const = 0;
    double Head(double k) const {
        double sum = 0;
        for (double j = k; j >= 1; --j)  // smallest terms first
            sum += Term(j);
        return sum;
    }
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

// Zipf with P(k) proportional to k^-s, s = rho + 1 > 1.
class Zipf final : public SeriesDistribution {
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        s = p[0] + 1;
        zeta = Hurwitz(1);
        return p[0] > 0 && std::isfinite(zeta);
    }
    double Term(double k) const override { return std::pow(k, -s); }
    double Total() const override { return zeta; }
    double Tail(double k) const override { return Hurwitz(k + 1); }
    // Sum of j^-s for j >= n: direct terms up to N, then Euler-Maclaurin with the Bernoulli numbers.
    double Hurwitz(double n) const {
        const double N = std::max(n, 16.0 + std::ceil(s));
        double sum = 0;
        for (double j = N - 1; j >= n; --j)
            sum += std::pow(j, -s);
        static constexpr double kB2j[] = {1.0 / 6,  -1.0 / 30,     1.0 / 42, -1.0 / 30,
                                          5.0 / 66, -691.0 / 2730, 7.0 / 6};
        double tail = std::pow(N, 1 - s) / (s - 1) + 0.5 * std::pow(N, -s);
        double rising = s;  // s (s + 1) ... (s + 2j - 2)
        double power = std::pow(N, -s - 1);
        double factorial = 2;
        for (int j = 1; j <= 7; ++j) {
            tail += kB2j[j - 1] / factorial * rising * power;
            rising *= (s + 2 * j - 1) * (s + 2 * j);
            power /= N * N;
            factorial *= (2 * j + 1) * (2 * j + 2);
        }
        return sum + tail;
    }
    double s = 2, zeta = 1;
};

// Logarithmic series: P(k) = p^k / (k S), S = -ln(1 - p).
class LogSeries final : public SeriesDistribution {
    int Count() const override { return 1; }
    bool Accept(std::span<const double> p) override {
        q = p[0];
        total = -std::log1p(-q);
        return q > 0 && q < 1;
    }
    double Term(double k) const override { return std::exp(k * std::log(q)) / k; }
    double Total() const override { return total; }
    double Tail(double k) const override {
        double power = std::exp((k + 1) * std::log(q));
        double sum = 0;
        for (double j = k + 1; power > 0; ++j, power *= q) {
            const double term = power / j;
            sum += term;
            if (term < 1e-18 * sum)
                break;
        }
        return sum;
    }
    double q = 0.5, total = 1;
};

// ---- studentized range and maximum modulus -----------------------------------------------------------

double Integrate(const auto& f, double a, double b) {
    if (!(b > a))
        return 0.0;
    return boost::math::quadrature::gauss_kronrod<double, 31>::integrate(f, a, b, 15, 1e-14);
}

// A statistic max-type over k standard normals divided by s, where s^2 df ~ chi-square(df). Given the
// distribution of the numerator at w (both tails and density), integrates over the density of s.
class Studentized : public DistributionBase {
public:
    bool IsDiscrete() const override { return false; }

protected:
    int Count() const override { return 2; }
    bool Accept(std::span<const double> p) override {
        k = p[0];
        df = p[1];
        if (!(IsInteger(k) && k >= MinimumK() && df > 0))
            return false;
        // Beyond this the spread of s is below what the quadrature resolves: s = 1.
        infinite = df > 1e7;
        if (!infinite) {
            using Chi = boost::math::chi_squared_distribution<double>;
            const Chi chi(df);
            lo = std::sqrt(boost::math::quantile(chi, 1e-20) / df);
            hi = std::sqrt(boost::math::quantile(boost::math::complement(chi, 1e-20)) / df);
            logNorm = 0.5 * df * std::log(df / 2) - std::lgamma(df / 2) + std::log(2.0);
        }
        return true;
    }
    virtual int MinimumK() const = 0;
    virtual double Lower(double w) const = 0;
    virtual double Upper(double w) const = 0;
    virtual double Derivative(double w) const = 0;

    // The density of s: 2 (df/2)^(df/2) s^(df-1) exp(-df s^2 / 2) / Gamma(df/2).
    double SDensity(double s) const { return std::exp(logNorm + (df - 1) * std::log(s) - df * s * s / 2); }
    template <class G>
    double OverS(double q, G g) const {
        if (infinite)
            return g(q, 1.0);
        return Integrate([&](double s) { return SDensity(s) * g(q, s); }, lo, hi);
    }
    double Pdf(double q) const override {
        return q <= 0 ? 0.0 : OverS(q, [this](double x, double s) { return s * Derivative(x * s); });
    }
    double Cdf(double q) const override {
        return q <= 0 ? 0.0 : OverS(q, [this](double x, double s) { return Lower(x * s); });
    }
    double Ccdf(double q) const override {
        return q <= 0 ? 1.0 : OverS(q, [this](double x, double s) { return Upper(x * s); });
    }
    double Quantile(double p) const override {
        const auto f = [&](double x) { return p <= 0.5 ? Cdf(x) - p : (1 - p) - Ccdf(x); };
        double a = 0;
        double b = 1;
        while (f(b) < 0) {
            a = b;
            b *= 2;
            if (b > 1e300)
                return kMissingValue;
        }
        std::uintmax_t iterations = 100;
        const auto r = boost::math::tools::toms748_solve(
            f, a, b, boost::math::tools::eps_tolerance<double>(50), iterations);
        return (r.first + r.second) / 2;
    }

    double k = 2, df = 1;
    bool infinite = false;
    double lo = 0, hi = 0, logNorm = 0;
};

// Studentized range: the range of k standard normals over s. The range's distribution is
// W(w) = k Int phi(z) [Phi(z) - Phi(z - w)]^(k-1) dz; its upper tail is written with
// Phi(z)^(k-1) - [Phi(z) - Phi(z - w)]^(k-1) so that a small tail keeps its digits.
class StudentizedRange final : public Studentized {
    int MinimumK() const override { return 2; }
    double Lower(double w) const override {
        return k * Integrate(
                       [&](double z) {
                           const double d = Phi(z) - Phi(z - w);
                           return d <= 0 ? 0.0 : PhiDensity(z) * std::pow(d, k - 1);
                       },
                       -9.0, 9.0);
    }
    double Upper(double w) const override {
        return k * Integrate(
                       [&](double z) {
                           const double a = Phi(z);
                           return PhiDensity(z) * std::pow(a, k - 1) *
                                  -std::expm1((k - 1) * std::log1p(-Phi(z - w) / a));
                       },
                       -9.0, 9.0 + w);
    }
    double Derivative(double w) const override {
        return k * (k - 1) *
               Integrate(
                   [&](double z) {
                       const double d = Phi(z) - Phi(z - w);
                       return d <= 0 ? 0.0 : PhiDensity(z) * PhiDensity(z - w) * std::pow(d, k - 2);
                   },
                   std::max(-9.0, w - 9.0), std::min(9.0, w + 9.0));
    }
};

// Studentized maximum modulus: the largest of k absolute standard normals over s; the numerator's
// distribution is (1 - 2 Q(w))^k with Q the upper normal tail.
class StudentizedMaximumModulus final : public Studentized {
    int MinimumK() const override { return 1; }
    double Lower(double w) const override { return std::pow(std::erf(w / kSqrt2), k); }
    double Upper(double w) const override { return -std::expm1(k * std::log1p(-2 * PhiUpper(w))); }
    double Derivative(double w) const override {
        return 2 * k * std::pow(std::erf(w / kSqrt2), k - 1) * PhiDensity(w);
    }
};

}  // namespace

std::unique_ptr<IDistribution> MakeOwnDistribution(int type) {
    using namespace NmsEnum;
    switch (type) {
        case ENORM:
            return std::make_unique<LogitNormal>();
        case GOMPERTZ:
            return std::make_unique<Gompertz>();
        case PARETO:
            return std::make_unique<Pareto>();
        case LLOGISTIC:
            return std::make_unique<LogLogistic>();
        case SEV:
            return std::make_unique<SmallestExtremeValue>();
        case DUNIFORM:
            return std::make_unique<DiscreteUniform>();
        case BENFORD:
            return std::make_unique<Benford>();
        case ZIPF:
            return std::make_unique<Zipf>();
        case LSERIES:
            return std::make_unique<LogSeries>();
        case RANGE:
            return std::make_unique<StudentizedRange>();
        case SMM:
            return std::make_unique<StudentizedMaximumModulus>();
        default:
            return nullptr;
    }
}

}  // namespace numerics
