#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <span>

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
        m_valid = false;
        if (static_cast<int>(parameters.size()) != Count())
            return false;
        for (double v : parameters)
            if (!std::isfinite(v))
                return false;
        m_valid = Accept(parameters);
        return m_valid;
    }
    double Density(double x) const final {
        // No law here has density left at an infinite argument.
        return Guard(x, [this](double v) { return std::isinf(v) ? 0.0 : Pdf(v); });
    }
    // So are the tails at an infinite argument what they are for every law.
    double Cumulative(double x) const final {
        return Guard(x, [this](double v) { return std::isinf(v) ? (v > 0 ? 1.0 : 0.0) : Cdf(v); });
    }
    double UpperTail(double x) const final {
        return Guard(x, [this](double v) { return std::isinf(v) ? (v > 0 ? 0.0 : 1.0) : Ccdf(v); });
    }
    double Inverse(double p) const final {
        if (!(p > 0 && p < 1))
            return kMissingValue;
        return Guard(
            p, [this](double v) { return Quantile(v); }, false);
    }

    // Called with a non-NaN argument (already floored for a discrete distribution).
    virtual double Pdf(double x) const = 0;
    virtual double Cdf(double x) const = 0;
    virtual double Ccdf(double x) const = 0;

protected:
    virtual int Count() const = 0;
    // Takes finite parameter values; false outside the parameter space.
    virtual bool Accept(std::span<const double> p) = 0;
    virtual double Quantile(double p) const = 0;

private:
    template <class F>
    double Guard(double x, F f, bool floorDiscrete = true) const {
        if (!m_valid || std::isnan(x))
            return kMissingValue;
        if (floorDiscrete && IsDiscrete() && std::isfinite(x))
            x = std::floor(x);
        try {
            const double r = f(x);
            return std::isnan(r) ? kMissingValue : r;
        } catch (...) {
            return kMissingValue;
        }
    }

    bool m_valid = false;
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
// The binomial law with trials in the millions, by sums of its terms.
std::unique_ptr<DistributionBase> MakeLargeBinomial();

}  // namespace numerics
