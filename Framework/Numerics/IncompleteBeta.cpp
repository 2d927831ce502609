#include "Numerics/IncompleteBeta.h"

#include <algorithm>
#include <cmath>

namespace numerics {

namespace {

// Beyond this many terms the rounding of the sum (a few units in the last place per term) could reach
// 1e-12 of a complement taken from it.
constexpr double kMostFiniteTerms = 50;
// Beyond this other shape the rounding of y and 1 - y, raised to the shapes' powers, passes 1e-13.
constexpr double kLargestOtherShape = 100;
// A complement 1 - S is taken while it is at least this: it keeps all but two of S's digits.
constexpr double kLeastComplement = 0.01;

// I_y(a, n) for a whole n: y^a times the first n terms of the binomial series of (1 - (1 - y))^-a,
// sum over j < n of (a)_j / j! (1 - y)^j.
double FiniteSum(double a, double n, double y, double yc) {
    double term = 1, sum = 1;
    for (double j = 0; j + 1 < n; ++j) {
        term *= (a + j) / (j + 1) * yc;
        sum += term;
    }
    return std::pow(y, a) * sum;
}

bool Whole(double v) {
    return v >= 1 && v <= kMostFiniteTerms && v == std::floor(v);
}

}  // namespace

std::optional<double> FiniteBetaTail(double a, double b, double y, double yc, bool upper) {
    // With a whole b the sum is the lower tail; with a whole a it is the upper one, I_(1-y)(b, a).
    const bool sumIsLower = Whole(b);
    if ((!sumIsLower && !Whole(a)) || std::max(a, b) > kLargestOtherShape)
        return std::nullopt;
    // Rounding can carry a sum next to 1 just past it.
    const double sum = std::min(1.0, sumIsLower ? FiniteSum(a, b, y, yc) : FiniteSum(b, a, yc, y));
    if (upper != sumIsLower)
        return sum;
    const double complement = 1 - sum;
    return complement >= kLeastComplement ? std::optional(complement) : std::nullopt;
}

}  // namespace numerics
