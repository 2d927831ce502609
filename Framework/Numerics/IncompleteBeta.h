#pragma once

#include <optional>

namespace numerics {

// The regularized incomplete beta function I_y(a, b) (upper: 1 - I_y(a, b)) where one shape is a whole
// number of at most 50 and the other at most 100: a finite sum of positive terms, several times faster
// than the general function. y and 1 - y are given each as itself (neither formed from the other). Nothing
// where the tail asked for is the small complement of such a sum, which would lose digits.
std::optional<double> FiniteBetaTail(double a, double b, double y, double yc, bool upper);

}  // namespace numerics
