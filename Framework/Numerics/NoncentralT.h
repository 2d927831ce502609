#pragma once

#include <optional>

namespace numerics {

// The noncentral t's tails as Poisson-weighted sums of incomplete beta functions, summed from the first
// term: one incomplete beta function per call, every other term by recurrence. Only for a noncentrality
// small enough that the forward recurrence keeps the digits; nothing where the tail asked for would be
// the small difference of its two sums.
class NoncentralTSeries {
public:
    NoncentralTSeries(double df, double delta);
    bool Applies() const { return m_applies; }
    std::optional<double> Tail(double t, bool upper) const;
    std::optional<double> Density(double t) const;

private:
    // Either tail at t >= 0 of the law with noncentrality delta or, reflected, -delta.
    std::optional<double> Positive(double t, bool reflected, bool upper) const;

    // x = t^2 / (t^2 + df), y = 1 - x (each formed as such) and y^b, for t >= 0.
    struct Split {
        double x, y, yb;
        bool small;  // x <= 1/2: the functions of x come from x, the others from y
    };
    Split SplitAt(double t) const;

    double m_b = 1;  // half the degrees of freedom
    double m_delta = 0;
    double m_lambda = 0;        // delta^2 / 2
    double m_lowerAtZero[2]{};  // Phi(-delta), Phi(delta): the lower tail at 0 for delta and -delta
    double m_halfRatio = 0;     // Gamma(b + 1/2) / (Gamma(3/2) Gamma(b))
    bool m_applies = false;
};

}  // namespace numerics
