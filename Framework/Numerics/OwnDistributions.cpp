// The distributions Boost.Math lacks: closed forms, sums, and the studentized range and maximum
// modulus by quadrature.
#include <algorithm>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

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

// Nodes and weights of the 16-point Gauss-Legendre rule on [-1, 1], by Newton's method on the
// three-term recurrence of the Legendre polynomials.
struct GaussLegendre {
    static constexpr int kPoints = 16;
    double x[kPoints];
    double w[kPoints];
    GaussLegendre() {
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

const GaussLegendre& Rule() {
    static const GaussLegendre rule;
    return rule;
}

// The integral of f over [a, b] cut into n equal panels.
double Panels(const auto& f, double a, double b, int n) {
    if (!(b > a) || n < 1)
        return 0.0;
    const GaussLegendre& r = Rule();
    const double half = (b - a) / (2 * n);
    double sum = 0;
    for (int j = 0; j < n; ++j) {
        const double mid = a + (2 * j + 1) * half;
        double panel = 0;
        for (int i = 0; i < GaussLegendre::kPoints; ++i)
            panel += r.w[i] * f(mid + half * r.x[i]);
        sum += panel * half;
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
        if (!(IsInteger(k) && k >= MinimumK() && df > 0))
            return false;
        // Beyond this s differs from 1 by less than the digits kept.
        infinite = df > 1e12;
        if (!infinite) {
            const double a = df / 2;
            // ln of 2 a^a e^-a / Gamma(a), with Stirling's series where the terms would cancel.
            if (a < 15) {
                logNorm = std::log(2.0) + a * std::log(a) - a - std::lgamma(a);
            } else {
                const double r = 1 / a;
                const double r2 = r * r;
                const double stirling = r * (1.0 / 12 - r2 * (1.0 / 360 - r2 * (1.0 / 1260 - r2 / 1680)));
                logNorm = std::log(2.0) + 0.5 * std::log(a / (2 * kPi)) - stirling;
            }
            // Small w: the numerator's cumulative grows like w^SmallPower(), weighting s by it.
            const auto plain = LogSpread(df, df, kDrop);
            const auto weighted = LogSpread(df + SmallPower(), df, kDrop);
            lo = std::min(plain.first, weighted.first);
            hi = std::max(plain.second, weighted.second);
            // The density of ln s weighted by a small numerator's power is as narrow as this.
            width = std::min(0.75, 5 / std::sqrt(2 * (df + SmallPower())));
        }
        return true;
    }
    virtual int MinimumK() const = 0;
    virtual double SmallPower() const = 0;
    virtual double Lower(double w) const = 0;
    virtual double Upper(double w) const = 0;
    virtual double Derivative(double w) const = 0;
    virtual double DerivativeBound() const = 0;
    // At least Lower(w), and below 1 for a small w so that the far left of s can be passed over.
    virtual double LowerBound(double w) const = 0;
    virtual double Guess(double p) const = 0;

    // Int f(s) g(s) ds over s = e^x with f the density of s, given g <= bound(s).
    double OverS(double q, double from, const auto& g, const auto& bound) const {
        // Left of where the numerator's distribution turns (w below 0.2) and of the density's bend, both
        // factors are close to powers of s: exponentials in ln s, which wider panels integrate.
        const double split = std::clamp(std::min(-2.0, std::log(0.2 / q)), from, hi);
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
                    const double c = r.w[i] * half * std::exp(logNorm + df * (x - std::expm1(2 * x) / 2));
                    const double s = std::exp(x);
                    if (c > 0)
                        nodes.push_back({s, c, c * bound(s)});
                }
            }
        };
        add(from, split, coarse);
        add(split, hi, width);
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
        const double m = DerivativeBound();
        return OverS(
            q, TailStart(q), [&](double s) { return s * Derivative(q * s); },
            [&](double s) { return s * m; });
    }
    double Cdf(double q) const override {
        if (q <= 0)
            return 0.0;
        if (infinite)
            return Lower(q);
        return OverS(
            q, lo, [&](double s) { return Lower(q * s); }, [&](double s) { return LowerBound(q * s); });
    }
    double Ccdf(double q) const override {
        if (q <= 0)
            return 1.0;
        if (infinite)
            return Upper(q);
        return OverS(
            q, TailStart(q), [&](double s) { return Upper(q * s); }, [](double) { return 1.0; });
    }
    // Secant steps on ln q against the log of the nearer tail, which is close to linear in both
    // tails (powers of q); kept inside the bracket once one is known.
    double Quantile(double p) const override {
        const bool lower = p <= 0.5;
        const double target = lower ? std::log(p) : -std::log1p(-p);
        const auto F = [&](double y) {
            const double x = std::exp(y);
            return lower ? std::log(Cdf(x)) : -std::log(Ccdf(x));
        };
        double y0 = std::log(Guess(p));
        double f0 = F(y0) - target;
        double y1 = y0 + (f0 < 0 ? 0.05 : -0.05);
        double f1 = F(y1) - target;
        double below = -INFINITY, above = INFINITY;
        for (int iteration = 0; iteration < 100; ++iteration) {
            if (f1 == 0)
                return std::exp(y1);
            (f1 < 0 ? below : above) = y1;
            double y2 =
                std::isfinite(f0) && std::isfinite(f1) && f1 != f0 ? y1 - f1 * (y1 - y0) / (f1 - f0) : NAN;
            if (!std::isfinite(y2))
                y2 = f1 < 0 ? y1 + 1 : y1 - 1;
            y2 = std::clamp(y2, y1 - 2, y1 + 2);
            if (!(y2 > below && y2 < above))
                y2 = std::isfinite(below) && std::isfinite(above) ? (below + above) / 2
                                                                  : (f1 < 0 ? y1 + 2 : y1 - 2);
            if (std::abs(y2 - y1) < 1e-14 * std::max(1.0, std::abs(y1)))
                return std::exp(y2);
            y0 = y1;
            f0 = f1;
            y1 = y2;
            f1 = F(y1) - target;
            if (std::abs(y1) > 700)
                return kMissingValue;
        }
        return std::exp(y1);
    }
    // A t quantile as the start: the statistic against the t it is built from.
    double TQuantile(double p) const {
        return boost::math::quantile(boost::math::students_t_distribution<double>(std::min(df, 1e12)), p);
    }

    double k = 2, df = 1;
    bool infinite = false;
    double lo = 0, hi = 0, width = 1, logNorm = 0;
};

// Studentized range: the range of k standard normals over s. The range's distribution is
// W(w) = k Int phi(z) [Phi(z) - Phi(z - w)]^(k-1) dz, symmetric about z = w/2, so it is integrated over
// the half u = z - w/2 >= 0. The upper tail is written with Phi(z)^(k-1) - [Phi(z) - Phi(z - w)]^(k-1)
// so that a small tail keeps its digits. Beyond 7.5 from the peak the normal density leaves no digit.
class StudentizedRange final : public Studentized {
    int MinimumK() const override { return 2; }
    double SmallPower() const override { return k - 1; }
    // A high power of Phi(z) - Phi(z - w) is steep: more panels for many means.
    int Refine() const { return 1 + static_cast<int>(std::log(k) / std::log(4.0)); }
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
        const double h = w / 2;
        const auto f = [&](double u) {
            return (PhiDensity(u + h) + PhiDensity(u - h)) * IntegerPower(NormalMass(u, w), k - 1);
        };
        const double step = std::min(3.75 / Refine(), 6 * PeakWidth(h));
        return k * (Panels(f, 0, h, PanelsFor(h, step)) + Panels(f, h, h + 7.5, PanelsFor(7.5, step)));
    }
    double Upper(double w) const override {
        // Close to 1 the small lower tail says it better (its panels follow a narrow peak); where the
        // lower tail is surely small the upper integral is not needed at all.
        if (LowerBound(w) < 0.5)
            return 1 - Lower(w);
        const double h = w / 2;
        const auto f = [&](double z) {
            const double a = Phi(z);
            return PhiDensity(z) * IntegerPower(a, k - 1) *
                   -std::expm1((k - 1) * std::log1p(-Phi(z - w) / a));
        };
        const double upper = k * Panels(f, h - 7.5, h + 7.5, 4 * Refine());
        return upper > 0.5 ? 1 - Lower(w) : upper;
    }
    // k (k-1) Int phi(z) phi(z - w) [Phi(z) - Phi(z - w)]^(k-2) dz, where phi(h + u) phi(u - h) is
    // exp(-u^2 - h^2) / 2 pi: past u = 6 nothing is left.
    double Derivative(double w) const override {
        const double h = w / 2;
        const auto f = [&](double u) { return std::exp(-u * u) * IntegerPower(NormalMass(u, w), k - 2); };
        const double step = std::min(3.0 / Refine(), 6 * PeakWidth(h));
        return k * (k - 1) * std::exp(-h * h) / kPi * Panels(f, 0, 6, PanelsFor(6, step));
    }
    double DerivativeBound() const override { return k * (k - 1) / (2 * std::sqrt(kPi)); }
    // Phi(z) - Phi(z - w) <= w phi(0).
    double LowerBound(double w) const override {
        return std::min(1.0, k * IntegerPower(w / std::sqrt(2 * kPi), k - 1));
    }
    double Guess(double p) const override {
        return kSqrt2 * TQuantile(std::max(0.75, 1 - (1 - p) / (k * (k - 1))));
    }
};

// Studentized maximum modulus: the largest of k absolute standard normals over s; the numerator's
// distribution is (1 - 2 Q(w))^k with Q the upper normal tail.
class StudentizedMaximumModulus final : public Studentized {
    int MinimumK() const override { return 1; }
    double SmallPower() const override { return k; }
    double Lower(double w) const override { return std::pow(std::erf(w / kSqrt2), k); }
    double Upper(double w) const override { return -std::expm1(k * std::log1p(-2 * PhiUpper(w))); }
    double Derivative(double w) const override {
        return 2 * k * std::pow(std::erf(w / kSqrt2), k - 1) * PhiDensity(w);
    }
    double DerivativeBound() const override { return 2 * k / std::sqrt(2 * kPi); }
    // erf(w / sqrt 2) <= w sqrt(2 / pi).
    double LowerBound(double w) const override { return std::min(1.0, std::pow(w * std::sqrt(2 / kPi), k)); }
    double Guess(double p) const override { return TQuantile(std::max(0.75, 1 - (1 - p) / (2 * k))); }
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
