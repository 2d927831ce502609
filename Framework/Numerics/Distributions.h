#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <span>
#include <type_traits>

#include "HostApi/Numerics.h"
#include "TvkApi.h"

namespace numerics {

// A distribution of the type without parameters yet, or null for an unknown type.
TVK_API std::unique_ptr<IDistribution> MakeDistribution(int type);
// The number of parameters a type takes (0 for an unknown type).
TVK_API int ParameterCount(int type);

// Parts the Boost and own distributions share.
class DistributionBase : public IDistribution {
public:
    bool SetParameters(std::span<const double> parameters) final {
        SetValid(false);
        if (static_cast<int>(parameters.size()) != Count())
            return false;
        for (double v : parameters)
            if (!std::isfinite(v))
                return false;
        SetValid(Accept(parameters));
        return m_valid;
    }
    double Density(double x) const override {
        return DensityWith(x, [this](double v) { return Pdf(v); });
    }
    double Cumulative(double x) const override {
        return CumulativeWith(x, [this](double v) { return Cdf(v); });
    }
    double UpperTail(double x) const override {
        return UpperTailWith(x, [this](double v) { return Ccdf(v); });
    }
    double Inverse(double p) const override {
        return InverseWith(p, [this](double v) { return Quantile(v); });
    }

    // Called with a finite argument (already floored for a discrete distribution).
    virtual double Pdf(double x) const = 0;
    virtual double Cdf(double x) const = 0;
    virtual double Ccdf(double x) const = 0;

protected:
    virtual int Count() const = 0;
    // Takes finite parameter values; false outside the parameter space.
    virtual bool Accept(std::span<const double> p) = 0;
    virtual double Quantile(double p) const = 0;
    bool Valid() const { return m_valid; }

    // The guards around the law's own functions, which Sealed passes as direct calls. No law here has
    // density left at an infinite argument, and the tails there are what they are for every law: one
    // test passes a valid law's finite argument on.
    template <class F>
    double DensityWith(double x, F pdf) const {
        if (std::abs(x) < m_finite) [[likely]]
            return Guard(x, pdf);
        return m_valid && !std::isnan(x) ? 0.0 : kMissingValue;
    }
    // A tail that is a sum of terms (a closed form's pieces, a quadrature's panels) may pass 1 by the
    // rounding of its last digit: it is 1 there. A law whose tails never do (kClamp false) has its formula
    // as the last call.
    template <bool kClamp = true, class F>
    double CumulativeWith(double x, F cdf) const {
        if (std::abs(x) < m_finite) [[likely]]
            return kClamp ? AtMostOne(Guard(x, cdf)) : Guard(x, cdf);
        return m_valid && !std::isnan(x) ? (x > 0 ? 1.0 : 0.0) : kMissingValue;
    }
    template <bool kClamp = true, class F>
    double UpperTailWith(double x, F ccdf) const {
        if (std::abs(x) < m_finite) [[likely]]
            return kClamp ? AtMostOne(Guard(x, ccdf)) : Guard(x, ccdf);
        return m_valid && !std::isnan(x) ? (x > 0 ? 0.0 : 1.0) : kMissingValue;
    }
    template <class F>
    double InverseWith(double p, F quantile) const {
        if (m_valid & (p > 0) & (p < 1))
            return Guard(p, quantile, false);
        return kMissingValue;
    }

private:
    static double AtMostOne(double p) { return p > 1 ? 1.0 : p; }
    // Called for a valid law with a finite x (InverseWith's p within (0, 1)).
    template <class F>
    double Guard(double x, F f, bool floorDiscrete = true) const {
        if (floorDiscrete && IsDiscrete())
            x = std::floor(x);
        // A plain law's formula is the last call, with nothing to catch or mend after it.
        if constexpr (std::is_nothrow_invocable_v<F, double>) {
            return f(x);
        } else {
            try {
                const double r = f(x);
                return std::isnan(r) ? kMissingValue : r;
            } catch (...) {
                return kMissingValue;
            }
        }
    }

    void SetValid(bool valid) {
        m_valid = valid;
        m_finite = valid ? INFINITY : 0.0;
    }

    bool m_valid = false;
    // The bound a valid law's |x| stays below, 0 for an invalid one: one comparison on the way into a
    // closed form's few cycles for both the law and the argument.
    double m_finite = 0.0;
};

// A law as the final class: its own functions are called directly, so that a closed form's guard and
// formula are one function behind a single call through the table (the guard had cost as much as the
// formula).
//
// A law whose four functions are plain arithmetic, throwing nothing, giving no NaN for a valid argument
// and no tail above 1 (which NumericsFuzz holds them to), says `static constexpr bool kPlain = true`.
template <class Law>
class Sealed final : public Law {
    static constexpr bool kPlain = requires { requires Law::kPlain; };

public:
    using Law::Law;
    double Density(double x) const override {
        return this->DensityWith(x, [this](double v) noexcept(kPlain) { return Law::Pdf(v); });
    }
    double Cumulative(double x) const override {
        return this->template CumulativeWith<!kPlain>(
            x, [this](double v) noexcept(kPlain) { return Law::Cdf(v); });
    }
    double UpperTail(double x) const override {
        return this->template UpperTailWith<!kPlain>(
            x, [this](double v) noexcept(kPlain) { return Law::Ccdf(v); });
    }
    double Inverse(double p) const override {
        return this->InverseWith(p, [this](double v) noexcept(kPlain) { return Law::Quantile(v); });
    }
};

// Whether the cumulative value at k reaches p, through the tail that keeps the digits; a few units in
// the last place of slack, so that a p equal to F(k) (the median of a symmetric law) gives k.
template <class D>
bool Reaches(const D& d, double k, double p) {
    constexpr double kSlack = 8 * std::numeric_limits<double>::epsilon();
    return p <= 0.5 ? d.Cdf(k) >= p * (1 - kSlack) : d.Ccdf(k) <= (1 - p) * (1 + kSlack);
}

// The least integer k in [lo, hi] (hi finite) whose cumulative value reaches p, from a guess: steps
// away from the guess double until the answer is bracketed, then bisection. Both phases end after
// about 2100 steps whatever the size of k; beyond 2^53 the answer is the double where they meet.
template <class D>
double SearchQuantile(const D& d, double p, double guess, double lo, double hi) {
    const auto reaches = [&](double k) { return Reaches(d, k, p); };
    double below = lo - 1;  // F(below) < p <= F(above)
    double above = hi;
    const double start = std::isfinite(guess) ? std::clamp(std::floor(guess), lo, hi) : lo;
    // Steps below the spacing of the doubles at the start would stand still (hundreds of them at 1e100).
    const double first = std::max(1.0, std::nextafter(start, INFINITY) - start);
    if (reaches(start)) {
        above = start;
        for (double step = first; above > lo; step *= 2) {
            const double k = std::max(above - step, lo);
            if (!reaches(k)) {
                below = k;
                break;
            }
            above = k;
        }
    } else {
        below = start;
        for (double step = first; below < hi; step *= 2) {
            const double k = std::min(below + step, hi);
            if (reaches(k)) {
                above = k;
                break;
            }
            below = k;
        }
    }
    while (above - below > 1) {
        const double mid = std::floor(below + (above - below) / 2);
        if (!(mid > below && mid < above))
            break;
        (reaches(mid) ? above : below) = mid;
    }
    return above + 0.0;  // never -0
}

// The distributions Boost.Math lacks, and ENORM as we define it.
std::unique_ptr<IDistribution> MakeOwnDistribution(int type);
// Loader's saddle-point pieces of binomial-type terms: ln Gamma(v + 1) - ln(sqrt(2 pi v) (v / e)^v) for a
// real v > 0, and x ln(x / m) + m - x without cancellation near x = m.
double StirlingErrorOf(double v);
double DevianceOf(double x, double m);
// The binomial law with trials in the millions, by sums of its terms.
std::unique_ptr<DistributionBase> MakeLargeBinomial();
// A noncentral t's tails and density by quadrature, for any delta (where Boost's Poisson sums grow with
// delta^2 and lose digits).
double NoncentralTQuadratureTail(double df, double delta, double t, bool upper);
double NoncentralTQuadratureDensity(double df, double delta, double t);

}  // namespace numerics
