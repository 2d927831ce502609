#include "Numerics/NoncentralT.h"

#include <algorithm>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <numbers>

#include "Numerics/DoublePolicy.h"
#include "Numerics/IncompleteBeta.h"

namespace numerics {

namespace {

// Summing forward from the first term, the incomplete beta functions of the lower tail are each the one
// before less a term: their rounding grows like lambda e^lambda units in the last place of the sum, 1e-13
// at this lambda = delta^2 / 2.
constexpr double kLargestLambda = 4;
// The upper tail of a negative noncentrality is the first sum less the second: taken while it keeps all
// but two of the first sum's digits.
constexpr double kLeastShareKept = 0.01;
constexpr int kMostTerms = 5000;
constexpr double kLargestT = 1e150;

}  // namespace

NoncentralTSeries::NoncentralTSeries(double df, double delta) : m_b(df / 2), m_delta(delta) {
    m_lambda = delta * delta / 2;
    m_applies = std::isfinite(m_b) && m_b > 0 && m_lambda <= kLargestLambda;
    if (!m_applies)
        return;
    m_lowerAtZero[0] = std::erfc(delta / std::sqrt(2.0)) / 2;
    m_lowerAtZero[1] = std::erfc(-delta / std::sqrt(2.0)) / 2;
    // Gamma(3/2) = sqrt(pi) / 2.
    m_halfRatio =
        2 / (std::sqrt(std::numbers::pi) * boost::math::tgamma_delta_ratio(m_b, 0.5, DoublePolicy()));
    m_applies = std::isfinite(m_halfRatio);
}

std::optional<double> NoncentralTSeries::Tail(double t, bool upper) const {
    // Where t^2 overflows, y = df / t^2 and its powers leave the doubles while the tails may not.
    if (!m_applies || !(std::abs(t) < kLargestT))
        return std::nullopt;
    // Below 0 the law of -T, whose noncentrality is -delta, gives the other tail.
    return t >= 0 ? Positive(t, false, upper) : Positive(-t, true, !upper);
}

// With x = t^2 / (t^2 + df) and y = 1 - x, lambda = delta^2 / 2:
//   P(T <= t) = Phi(-delta) + 1/2 sum_j [p_j I_x(j + 1/2, b) + q_j I_x(j + 1, b)]
//   P(T > t)  = 1/2 sum_j [p_j I_y(b, j + 1/2) + q_j I_y(b, j + 1)]
// where p_j = e^-lambda lambda^j / j! and q_j = delta e^-lambda lambda^j / Gamma(j + 3/2) / sqrt 2; each
// next I by I_x(a + 1, b) = I_x(a, b) - g_a, with g_a = Gamma(a + b) / Gamma(a + 1) / Gamma(b) x^a y^b.
NoncentralTSeries::Split NoncentralTSeries::SplitAt(double t) const {
    const double df = 2 * m_b;
    Split s{1, 0, 0, false};
    if (const double t2 = t * t; std::isfinite(t2)) {
        s.x = t2 / (t2 + df);
        s.y = df / (t2 + df);
    } else {
        s.y = df / t / t;
    }
    s.small = s.x <= 0.5;
    s.yb = s.small ? std::exp(m_b * std::log1p(-s.x)) : std::pow(s.y, m_b);
    return s;
}

std::optional<double> NoncentralTSeries::Positive(double t, bool reflected, bool upper) const {
    const double d = reflected ? -m_delta : m_delta;
    const auto [x, y, yb, small] = SplitAt(t);
    double vp = 0, vq = 0;
    if (upper) {
        vp = small ? BetaComplement(0.5, m_b, x) : boost::math::ibeta(m_b, 0.5, y, DoublePolicy());
        vq = yb;
    } else {
        vp = small ? boost::math::ibeta(0.5, m_b, x, DoublePolicy()) : BetaComplement(m_b, 0.5, y);
        vq = small ? -std::expm1(m_b * std::log1p(-x)) : 1 - yb;
    }
    if (!std::isfinite(vp))
        return std::nullopt;
    double gp = m_halfRatio * std::sqrt(x) * yb, gq = m_b * x * yb;
    const double sign = upper ? 1 : -1;
    double p = std::exp(-m_lambda), q = d * p * std::sqrt(2 / std::numbers::pi);
    double sumP = 0, sumQ = 0;
    const double base = upper ? 0 : 2 * m_lowerAtZero[reflected];
    for (int j = 0; j < kMostTerms; ++j) {
        const double term = p * vp + q * vq;
        sumP += p * vp;
        sumQ += q * vq;
        // Each next weight is at most r times this one (and an upper tail's I grows by at most 1 + b/a).
        const double a = j + 1.5;
        const double r = m_lambda / a * (upper ? 1 + m_b / a : 1);
        if (r < 1 && std::abs(term) * r / (1 - r) <= 1e-17 * std::abs(base + sumP + sumQ))
            break;
        if (j + 1 == kMostTerms)
            return std::nullopt;
        vp += sign * gp;
        vq += sign * gq;
        gp *= x * (j + 0.5 + m_b) / (j + 1.5);
        gq *= x * (j + 1 + m_b) / (j + 2);
        p *= m_lambda / (j + 1);
        q *= m_lambda / (j + 1.5);
    }
    if (upper && d < 0 && !(sumP + sumQ >= kLeastShareKept * sumP))
        return std::nullopt;
    // Next to 1 the sums' rounding may pass it by an ulp.
    return std::clamp((base + sumP + sumQ) / 2, 0.0, 1.0);
}

// The derivative of the lower tail's sum, dI_x(a, b) / dt being 2 a g_a / t:
//   f(t) = 1/t sum_j [p_j (j + 1/2) g_(j+1/2) + q_j (j + 1) g_(j+1)].
std::optional<double> NoncentralTSeries::Density(double t) const {
    if (!m_applies || !(std::abs(t) < kLargestT))
        return std::nullopt;
    const bool reflected = t < 0;
    t = std::abs(t);
    // Below this t^2 underflows: the density at 0, Gamma(b + 1/2) / Gamma(b) / sqrt(df pi) e^-lambda, to
    // within t^2.
    if (t < 1e-150)
        return m_halfRatio * std::exp(-m_lambda) / (2 * std::sqrt(2 * m_b));
    const double d = reflected ? -m_delta : m_delta;
    const Split s = SplitAt(t);
    const double x = s.x;
    double gp = m_halfRatio * std::sqrt(x) * s.yb, gq = m_b * x * s.yb;
    double p = std::exp(-m_lambda), q = d * p * std::sqrt(2 / std::numbers::pi);
    double sumP = 0, sumQ = 0;
    for (int j = 0; j < kMostTerms; ++j) {
        const double termP = p * (j + 0.5) * gp, termQ = q * (j + 1) * gq;
        sumP += termP;
        sumQ += termQ;
        // Every later ratio of terms is at most r.
        const double r = m_lambda * (j + 2 + m_b) / ((j + 2) * (j + 1.5));
        if (r < 1 && (termP + std::abs(termQ)) * r / (1 - r) <= 1e-17 * std::abs(sumP + sumQ))
            break;
        if (j + 1 == kMostTerms)
            return std::nullopt;
        gp *= x * (j + 0.5 + m_b) / (j + 1.5);
        gq *= x * (j + 1 + m_b) / (j + 2);
        p *= m_lambda / (j + 1);
        q *= m_lambda / (j + 1.5);
    }
    if (d < 0 && !(sumP + sumQ >= kLeastShareKept * sumP))
        return std::nullopt;
    return (sumP + sumQ) / t;
}

}  // namespace numerics
