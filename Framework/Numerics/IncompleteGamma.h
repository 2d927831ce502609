#pragma once

#include <optional>

namespace numerics {

// The gamma law of shape a (scale 1) in double arithmetic at a shape in the thousands or more: its tails
// P(a, x) and Q(a, x) by Temme's uniform asymptotic expansion, its density and its quantile, each where
// these keep full accuracy (x near the mean); nothing elsewhere.
std::optional<double> LargeShapeGammaTail(double a, double x, bool upper);
std::optional<double> LargeShapeGammaDensity(double a, double x);
std::optional<double> LargeShapeGammaQuantile(double a, double p);
// Q(a, x) in double arithmetic: Temme's expansion where it holds (Boost's double functions sum hundreds
// of terms there at a shape in the thousands), Boost's elsewhere.
double GammaUpperTail(double a, double x);

}  // namespace numerics
