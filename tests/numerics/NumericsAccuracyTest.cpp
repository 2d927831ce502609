// The numerical service against a referee no one here wrote: the table tools/numerics_reference.py
// computes with mpmath at 40 digits (tests/data/numerics/mpmath_reference.txt), published tables of the
// studentized range and two identities; and calls that must end, whatever the size of their argument.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <limits>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Deadline.h"
#include "Numerics/NumericalService.h"

namespace {

// Within this relative error of the referee (1e-10 for the quadratures), or absolutely within the
// smallest value kept where the true value underflows.
constexpr double kTarget = 1e-12;
constexpr double kQuadratureTarget = 1e-10;
constexpr double kUnderflow = 1e-300;

double TargetOf(int type) {
    return type == NmsEnum::RANGE || type == NmsEnum::SMM ? kQuadratureTarget : kTarget;
}

// One family's points: how many, how many over the target, and the worst relative error.
struct Worst {
    int points = 0;
    int over = 0;
    double error = 0;
    std::string where;
    void Add(double got, double want, double target, const std::string& what) {
        ++points;
        // An exact 0 (a point off the support, a median at 0) is judged by the absolute error.
        const bool tiny = want != 0 && std::abs(want) < kUnderflow;
        double e = want == 0 ? std::abs(got)
                   : tiny    ? std::abs(got - want) / kUnderflow * target
                             : std::abs(got - want) / std::abs(want);
        if (std::isnan(e) || (std::isinf(got) != std::isinf(want)))
            e = INFINITY;
        if (got == want)
            e = 0;
        if (e > target)
            ++over;
        if (e > error || (e == error && where.empty())) {
            error = e;
            where = what;
        }
    }
};

std::vector<double> SplitNumbers(const std::string& text) {
    std::vector<double> values;
    std::stringstream in(text);
    // The service takes finite parameters only: "inf" (an infinite df) becomes the largest double.
    for (std::string item; std::getline(in, item, ',');)
        values.push_back(std::min(std::strtod(item.c_str(), nullptr), std::numeric_limits<double>::max()));
    return values;
}

std::string Describe(int type, const std::vector<double>& p, const char* function, double at) {
    std::ostringstream out;
    out << "type " << type << " (";
    for (std::size_t i = 0; i < p.size(); ++i)
        out << (i ? "," : "") << p[i];
    out << ") " << function << " at " << std::setprecision(17) << at;
    return out.str();
}

std::unique_ptr<IDistribution> Make(int type, const std::vector<double>& p) {
    static CNumericalService service;
    INumericalService* host = &service;
    auto d = host->CreateDistribution(type);
    const bool accepted = d && d->SetParameters(p);
    EXPECT_TRUE(accepted) << Describe(type, p, "parameters", 0);
    return accepted ? std::move(d) : nullptr;
}

// The inverse at the probability of the row's point comes back to the point: for a discrete law the
// least integer reaching a probability between F(x - 1) and F(x) (beyond 2^53, where integers are doubles far
// apart, the point itself within the target); for a continuous one x moved by the difference between
// the tail and the double probability (exact for exponential tails, first order for the others).
void CheckInverse(const IDistribution& d, int type, const std::vector<double>& p, double x, double pdf,
                  double cdf, double upper, Worst& w) {
    const double target = TargetOf(type);
    if (d.IsDiscrete()) {
        const double tail = std::min(cdf, upper);
        if (tail <= 1e-6)
            return;
        if (x < 0x1p53 && pdf > 1e-9 * tail) {
            // Halfway between F(x - 1) and F(x).
            const double prob = cdf <= 0.5 ? cdf - pdf / 2 : 1 - (upper + pdf / 2);
            w.Add(d.Inverse(prob) == x ? 0.0 : 1.0, 0.0, target, Describe(type, p, "IF", prob));
        } else {
            // Where F rises by less than p's digits per integer, the answer moves by the rounding of p
            // over the probability per unit of x.
            const double prob = cdf <= 0.5 ? cdf : 1 - upper;
            const double conditioning = 32 * std::numeric_limits<double>::epsilon() * tail / (pdf * x);
            w.Add(d.Inverse(prob), x, std::max(target, conditioning), Describe(type, p, "IF", prob));
        }
        return;
    }
    const double tail = std::min(cdf, upper);
    // Where the point is near 0 against the change in x that p's rounding makes (a median at 0), the
    // inverse cannot be judged by its relative error.
    if (!(pdf > 0 && tail > 1e-305 && tail / (pdf * std::abs(x)) < 1e3))
        return;
    const double prob = cdf <= 0.5 ? cdf : 1 - upper;
    // Near 1 a double p holds only a few digits of its tail: where it is off by more than a millionth,
    // the first-order correction is not exact enough to judge by.
    const double gap = cdf <= 0.5 ? (prob - cdf) / cdf : ((1 - prob) - upper) / upper;
    if (!(prob > 0 && prob < 1 && std::abs(gap) < 1e-6))
        return;
    const double shift = cdf <= 0.5 ? std::log1p(gap) * cdf / pdf : -std::log1p(gap) * upper / pdf;
    // The inverse is no more exact than the tail it inverts: that tail's own error here, times the
    // change in x per relative change of the tail.
    const double own =
        cdf <= 0.5 ? std::abs(d.Cumulative(x) - cdf) / cdf : std::abs(d.UpperTail(x) - upper) / upper;
    const double inherited = 2 * own * tail / (pdf * std::abs(x));
    w.Add(d.Inverse(prob), x + shift, std::max(target, inherited), Describe(type, p, "IF", prob));
}

// Every family of the table, each point's density, both tails and the inverse; the table per family
// (points, worst error, points over the target) is printed, and no point may be over.
TEST(NumericsAccuracy, AgainstReferee) {
    std::ifstream in(std::string(DLGSTAT1_TEST_SOURCE_DIR) + "/tests/data/numerics/mpmath_reference.txt");
    ASSERT_TRUE(in);
    std::map<int, Worst> worst;
    std::set<int> refused;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream row(line);
        int type = 0;
        std::string list;
        double x = 0, pdf = 0, cdf = 0, upper = 0;
        row >> type >> list >> x >> pdf >> cdf >> upper;
        ASSERT_FALSE(row.fail()) << line;
        const std::vector<double> p = SplitNumbers(list);
        const auto d = Make(type, p);
        if (!d)
            continue;
        Worst& w = worst[type];
        const double target = TargetOf(type);
        w.Add(d->Density(x), pdf, target, Describe(type, p, "DF", x));
        w.Add(d->Cumulative(x), cdf, target, Describe(type, p, "CF", x));
        w.Add(d->UpperTail(x), upper, target, Describe(type, p, "1-CF", x));
        CheckInverse(*d, type, p, x, pdf, cdf, upper, w);
        // Refused parameters leave a law nothing to answer with, whatever it held before.
        if (refused.insert(type).second) {
            EXPECT_FALSE(d->SetParameters({}));
            for (const double v : {d->Density(x), d->Cumulative(x), d->UpperTail(x), d->Inverse(0.5)})
                EXPECT_TRUE(std::isnan(v)) << Describe(type, p, "after a refusal", x) << ": " << v;
        }
    }
    for (const auto& [type, w] : worst) {
        std::cout << "type " << type << ": " << w.points << " points, worst " << std::setprecision(2)
                  << w.error << ", " << w.over << " over " << TargetOf(type)
                  << (w.over ? " (" + w.where + ")" : "") << "\n";
        EXPECT_EQ(w.over, 0) << "worst: " << w.where << ", " << w.error;
    }
}

// A discrete law has no mass outside its support, and its probabilities add up to 1 (with the upper
// tail beyond the last one summed).
TEST(NumericsAccuracy, DiscreteMassStaysOnTheSupport) {
    const struct {
        int type;
        std::vector<double> p;
        double first, last;  // last: where the sum stops (the support's end, if it has one)
        bool bounded;
    } rows[] = {
        {NmsEnum::DUNIFORM, {10}, 1, 10, true},
        {NmsEnum::BENFORD, {10}, 1, 9, true},
        {NmsEnum::BENFORD, {2}, 1, 1, true},
        {NmsEnum::BINOMIAL, {12, 0.3}, 0, 12, true},
        {NmsEnum::HGEOMETRIC, {20, 10, 5}, 0, 5, true},
        {NmsEnum::HGEOMETRIC, {20, 15, 12}, 7, 12, true},
        {NmsEnum::POISSON, {3.5}, 0, 60, false},
        {NmsEnum::NBINOMIAL, {2.5, 0.4}, 0, 80, false},
        {NmsEnum::GEOMETRIC, {0.3}, 0, 90, false},
        {NmsEnum::ZIPF, {1.5}, 1, 400, false},
        {NmsEnum::LSERIES, {0.7}, 1, 90, false},
    };
    for (const auto& r : rows) {
        const auto d = Make(r.type, r.p);
        ASSERT_TRUE(d);
        SCOPED_TRACE(Describe(r.type, r.p, "support", r.first));
        EXPECT_EQ(d->Density(r.first - 1), 0.0);
        EXPECT_EQ(d->Cumulative(r.first - 1), 0.0);
        double sum = 0;
        for (double k = r.first; k <= r.last; ++k)
            sum += d->Density(k);
        EXPECT_NEAR(sum + d->UpperTail(r.last), 1.0, 1e-13);
        if (r.bounded) {
            EXPECT_EQ(d->Density(r.last + 1), 0.0);
            EXPECT_EQ(d->UpperTail(r.last), 0.0);
            EXPECT_EQ(d->Inverse(1 - 1e-15), r.last);
        }
        EXPECT_EQ(d->Inverse(1e-300), r.first);
    }
}

// Calls that never returned, or ran out of memory: each must end within the deadline (fast enough for
// a debug build with sanitizers).
TEST(NumericsAccuracy, CallsEndWhateverTheArgument) {
    using namespace std::chrono_literals;
    const struct {
        int type;
        std::vector<double> p;
        char function;  // d, c, u or i
        double at;
    } rows[] = {
        {NmsEnum::ZIPF, {2}, 'u', 1e100},    // a loop counting down from N - 1 that stopped changing
        {NmsEnum::ZIPF, {0.001}, 'i', 0.5},  // 6e300, summed term by term
        {NmsEnum::ZIPF, {1e300}, 'c', 1},    // the total, summed to 1e300
        {NmsEnum::LSERIES, {0.9999999999999999}, 'c', 5},  // 1e17 terms of a tail
        {NmsEnum::HGEOMETRIC, {2147483647, 1e9, 1e9}, 'i', 0.001},
        {NmsEnum::RANGE, {2147483647, 10}, 'c', 5},  // billions of quadrature nodes
        {NmsEnum::RANGE, {2147483647, 10}, 'd', 12},
        {NmsEnum::SMM, {2147483647, 10}, 'd', 5},
        {NmsEnum::RANGE, {2147483647, 1}, 'i', 0.999},           // tens of thousands of nodes at each step
        {NmsEnum::SMM, {2147483647, 0.01}, 'u', 5},              // four thousand units of ln s in fine panels
        {NmsEnum::RANGE, {2147483647, 0.01}, 'i', 0.999999999},  // a search past the largest double
        {NmsEnum::NCT, {10, 60.603447049968729}, 'd', 1.6550618564784004e-307},  // nan: s's factor at 1e308
        {NmsEnum::PARETO, {4.9406564584124654e-324, 6.4440991509363634e+257}, 'd', 2.5868124112495451e-231},
        {NmsEnum::IGAUSSIAN, {2.717361052126856e-322, 1.7976931348623157e+308}, 'i', 0.5},  // inf * 0 at mu
        {NmsEnum::NCT, {2.251962714485914, -7.38987188457482e-09}, 'i', 1e-300},  // from 0: t's start was inf
        {NmsEnum::NCT, {2, -3.9880952512775055e-16}, 'i', 3.098740830338071e-303},  // Newton's step to -inf
        {NmsEnum::WEIBULL, {1.7976931348623157e+308, 7.4239536619218214e-68}, 'd', 0.5},  // inf - inf
        {NmsEnum::NCF,
         {3.0562282634023854e-05, 127009.95294117619, 127009.95294111503},
         'd',
         1.7325257386764832e-307},
        // Some 55 tails at a subnormal p, each a Poisson sum of 10^4 terms.
        {NmsEnum::NCT, {10, -14721.506507783777}, 'i', 9.7e-322},
        {NmsEnum::T, {1.7976931348623157e+308}, 'c', 1.7976931348623157e+308},  // the power law's constant
        // Where the noncentral F's d1 x / d2 overflows, with a Gamma ratio beyond the doubles.
        {NmsEnum::NCF, {448711.61250178178, 177.8904642321705, 5.0731147838540425e-18}, 'c', 2.1e307},
        // s's gamma fraction at 1.4e308, whose steps never settled.
        {NmsEnum::NCT, {0.0004940332162367315, 1793.0655846927823}, 'c', 2.3120860542752846e-153},
        // Range tails at the least normal double: their panels ran across the whole peak (1.3 s).
        {NmsEnum::RANGE, {1e7, 3120602177.882831}, 'i', 6.745190197329472e-308},
        {NmsEnum::TRIANGULAR, {-0.0, 4.9406564584124654e-324, 4.9406564584124654e-324}, 'd', 0},  // 0 / 0
        // Boost's inverse incomplete beta function with one tiny shape.
        {NmsEnum::F, {3.27191664837704e-05, 7.291122019580921e-304}, 'i', 6.851376224330501e-302},
    };
    for (const auto& r : rows) {
        const bool ended = FinishesWithin(3s, [&] {
            const auto d = Make(r.type, r.p);
            const double v = r.function == 'd'   ? d->Density(r.at)
                             : r.function == 'c' ? d->Cumulative(r.at)
                             : r.function == 'u' ? d->UpperTail(r.at)
                                                 : d->Inverse(r.at);
            return !std::isnan(v);
        });
        EXPECT_TRUE(ended) << Describe(r.type, r.p, std::string(1, r.function).c_str(), r.at);
    }
}

// Where the incomplete beta or gamma function's values are wrong with no sign of it, the law refuses its
// parameters: the calculator says the result is missing instead of showing them.
TEST(NumericsAccuracy, LawsBeyondTheirDigitsAreRefused) {
    CNumericalService service;
    const struct {
        int type;
        std::vector<double> p;
        bool accepted;
    } rows[] = {
        {NmsEnum::NBINOMIAL, {1e16, 0.5}, false},
        {NmsEnum::NBINOMIAL, {1e300, 0.5}, false},
        {NmsEnum::NBINOMIAL, {2147483647, 1.3e-321}, false},
        {NmsEnum::NBINOMIAL, {1, 1e-16}, false},
        {NmsEnum::NBINOMIAL, {1e7, 0.5}, true},
        {NmsEnum::NBINOMIAL, {1.1e7, 0.5}, false},
        {NmsEnum::NBINOMIAL, {1e4, 1e-4}, false},
        {NmsEnum::NBINOMIAL, {1.0028577837175897e-307, 3.4767314236571444e-310}, false},
        {NmsEnum::NBINOMIAL, {1.0028577837175897e-307, 2.3e-308}, true},
        {NmsEnum::BETA, {3e7, 1e8}, false},
        {NmsEnum::BETA, {1e7, 1e7}, true},
        {NmsEnum::F, {2e7, 5}, false},
        {NmsEnum::NCT, {1e-7, 10}, false},
        {NmsEnum::NCT, {1e-6, 10}, true},
        {NmsEnum::F, {4.9406564584124654e-324, 4.9406564584124654e-324}, false},
        {NmsEnum::POISSON, {1.1e10}, false},
        {NmsEnum::POISSON, {5.5e103}, false},
        {NmsEnum::POISSON, {1e10}, true},
        {NmsEnum::GAMMA, {1e12, 1}, false},
        {NmsEnum::GAMMA, {1e10, 1}, true},
        {NmsEnum::CHISQ, {2.1e10}, false},
        {NmsEnum::ERLANG, {1e12, 1}, false},
        {NmsEnum::NCCHISQ, {4.9406564584124654e-324, 1}, false},
        {NmsEnum::NCCHISQ, {2.2250738585072014e-308, 1}, true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(service.CreateDistribution(r.type)->SetParameters(r.p), r.accepted)
            << r.type << " " << r.p[0];
}

// A scale at the end of the doubles: the law is the unit one at x / s (found by NumericsFuzz, where
// the squares of x and s went to 0 / 0).
TEST(NumericsAccuracy, RayleighAtTheSmallestNormalScale) {
    const double s = std::numeric_limits<double>::min();
    const std::vector<double> scale{s};
    const auto d = Make(NmsEnum::RAYLEIGH, scale);
    ASSERT_TRUE(d);
    EXPECT_NEAR(d->UpperTail(s), std::exp(-0.5), 1e-16);
    EXPECT_NEAR(d->Cumulative(2 * s), -std::expm1(-2.0), 1e-16);
    EXPECT_NEAR(d->Density(s) * s, std::exp(-0.5), 1e-16);
    EXPECT_NEAR(d->Inverse(1 - std::exp(-0.5)) / s, 1.0, 1e-15);
}

// Upper 5% and 1% points of the studentized range as printed in the usual tables (three decimals).
// Far out, a noncentral t's tails fall as |t|^-df (to within df delta^2 / t^2): beyond 1e154, where t^2
// overflows a double, a tail of a small df is still far above the least double.
TEST(NumericsAccuracy, NoncentralTTailsBeyondTheSquareOfADouble) {
    const struct {
        double df, delta, t;
    } rows[] = {{1, 1, 1e155}, {0.5, -2, 1e160}, {1.9, 3, 1e155}, {1.5, 1, -1e170}};
    for (const auto& r : rows) {
        const std::vector<double> p{r.df, r.delta};
        const auto d = Make(NmsEnum::NCT, p);
        ASSERT_TRUE(d);
        SCOPED_TRACE(Describe(NmsEnum::NCT, p, "tail", r.t));
        const auto tail = [&](double t) { return t > 0 ? d->UpperTail(t) : d->Cumulative(t); };
        EXPECT_GT(tail(r.t), 0.0);
        EXPECT_NEAR(tail(r.t) / tail(10 * r.t), std::pow(10.0, r.df), 1e-9 * std::pow(10.0, r.df));
    }
}

TEST(NumericsAccuracy, StudentizedRangeTablePoints) {
    const struct {
        double k, df, p, q;
    } rows[] = {{2, 5, 0.95, 3.635},   {3, 10, 0.95, 3.877},  {5, 20, 0.95, 4.232},
                {10, 30, 0.95, 4.824}, {4, 60, 0.95, 3.737},  {3, 10, 0.99, 5.270},
                {2, 1e9, 0.95, 2.772}, {3, 1e9, 0.95, 3.314}, {5, 1e9, 0.99, 4.603}};
    for (const auto& r : rows) {
        auto d = Make(NmsEnum::RANGE, {r.k, r.df});
        EXPECT_NEAR(d->Inverse(r.p), r.q, 0.0005 + 1e-9) << r.k << " " << r.df << " " << r.p;
    }
}

// With a heavy-tailed s the tails fall by a few units over hundreds of units of ln q: the inverse
// must reach there (it stopped far off after its allotted steps, or found no start at all), and the
// two tails of a small df must still add up to 1.
TEST(NumericsAccuracy, StudentizedWithHeavyTails) {
    const struct {
        int type;
        double k, df, p;
    } rows[] = {{NmsEnum::RANGE, 1e5, 0.05, 0.9},
                {NmsEnum::RANGE, 2147483647, 0.01, 0.5},
                {NmsEnum::SMM, 2147483647, 0.01, 0.999}};
    for (const auto& r : rows) {
        auto d = Make(r.type, {r.k, r.df});
        const double x = d->Inverse(r.p);
        EXPECT_NEAR(d->UpperTail(x) / (1 - r.p), 1, 1e-9) << r.k << " " << r.df << " " << r.p << ": " << x;
    }
    for (double x : {3.0, 30.0}) {
        auto range = Make(NmsEnum::RANGE, {1e6, 0.01});
        EXPECT_NEAR(range->Cumulative(x) + range->UpperTail(x), 1, 1e-14) << x;
    }
}

// Two published identities: the studentized range of two means is sqrt(2) |t|, the maximum modulus of
// one is |t|; from a heavy-tailed s (df below 1) to one close to 1, into tails far from the body.
// Where d1 x / d2 passes the largest double a small d2 leaves percents beyond: both tails hold them, with
// many Poisson terms as with one.
TEST(NumericsAccuracy, NoncentralFTailsBeyondTheDoubles) {
    for (const double lambda : {0.5, 4e5}) {
        const auto d = Make(NmsEnum::NCF, {5, 0.01, lambda});
        const double upper = d->UpperTail(1e308);
        EXPECT_NEAR(upper, 0.029, 0.002) << lambda;
        EXPECT_NEAR(d->Cumulative(1e308) + upper, 1, 1e-13) << lambda;
    }
}

// x - a rounds past the width on the widest supports: a tail is still at most 1.
// Tails that are sums of closed-form pieces, where the rounding of the last digit passed 1.
TEST(NumericsAccuracy, ClosedFormTailsStayWithinOne) {
    const auto uniform = Make(NmsEnum::UNIFORM, {-9.5505019448449777e+307, 1});
    EXPECT_LE(uniform->Cumulative(2.6990283359669911e-313), 1.0);
    EXPECT_LE(uniform->UpperTail(-1.0), 1.0);
    const auto triangular = Make(
        NmsEnum::TRIANGULAR, {-1.1287932228263591e-288, 2.5247709473821022e+180, 7.6828395264688933e+170});
    EXPECT_LE(triangular->UpperTail(3.638800998452584e+45), 1.0);
}

// Next to 0 the noncentral t and F series take their upper tails from the complement of a tiny incomplete
// beta value, which Boost gave 2e-9 to 3e-9 off: both tails, each as near 1 - the other as a double
// allows, and the lower one as its closed form (F (1, 1): 2 / pi atan(sqrt(x))).
TEST(NumericsAccuracy, SeriesTailsSumToOneNextToZero) {
    const struct {
        int type;
        std::vector<double> p;
        double at;
    } rows[] = {
        {NmsEnum::NCT, {1, 1}, 7.0415287247999242e-09},
        {NmsEnum::NCT, {1, 1.615890238282017e-24}, 7.2178038997548229e-09},
        {NmsEnum::NCF, {1, 1, 1e-16}, 1e-16},
    };
    for (const auto& r : rows) {
        const auto d = Make(r.type, r.p);
        EXPECT_NEAR(d->Cumulative(r.at) + d->UpperTail(r.at), 1, 2e-16) << Describe(r.type, r.p, "CU", r.at);
    }
    EXPECT_NEAR(Make(NmsEnum::NCF, {1, 1, 1e-16})->UpperTail(1e-16), 1 - 2 / std::numbers::pi * 1e-8, 1e-16);
}

// With a small df s reaches far below 1 / q: the lower tail keeps the mass of s there (it was 1, 6e-9
// too much, where df / 2 s^2 underflowed the gamma function's argument).
TEST(NumericsAccuracy, StudentizedTailsSumToOneFarOut) {
    for (int type : {NmsEnum::RANGE, NmsEnum::SMM}) {
        const auto d = Make(type, {1e7, 0.048531678592141241});
        for (double q : {1e100, 1e170, 1e200}) {
            const double upper = d->UpperTail(q);
            EXPECT_GT(upper, 1e-11) << type << " " << q;
            EXPECT_NEAR(d->Cumulative(q) + upper, 1, 1e-15) << type << " " << q;
        }
    }
}

TEST(NumericsAccuracy, StudentizedIdentities) {
    for (double df : {0.5, 1.0, 7.0, 1e9}) {
        auto t = Make(NmsEnum::T, {df});
        auto range = Make(NmsEnum::RANGE, {2, df});
        auto smm = Make(NmsEnum::SMM, {1, df});
        for (double q : {0.01, 0.3, 1.0, 2.5, 6.0, 20.0, 300.0}) {
            const double r = q / std::sqrt(2.0);
            if (t->UpperTail(q) < 1e-300)
                continue;
            EXPECT_NEAR(range->UpperTail(q) / (2 * t->UpperTail(r)), 1, 1e-10) << df << " " << q;
            EXPECT_NEAR(range->Cumulative(q) / (t->Cumulative(r) - t->UpperTail(r)), 1, 1e-10)
                << df << " " << q;
            EXPECT_NEAR(range->Density(q) / (std::sqrt(2.0) * t->Density(r)), 1, 1e-10) << df << " " << q;
            EXPECT_NEAR(smm->UpperTail(q) / (2 * t->UpperTail(q)), 1, 1e-10) << df << " " << q;
            EXPECT_NEAR(smm->Cumulative(q) / (t->Cumulative(q) - t->UpperTail(q)), 1, 1e-10)
                << df << " " << q;
            EXPECT_NEAR(smm->Density(q) / (2 * t->Density(q)), 1, 1e-10) << df << " " << q;
        }
        // The inverse comes back to the point within the target on both sides of the median.
        for (double p : {1e-6, 0.2, 0.5, 0.9, 0.999}) {
            const double x = range->Inverse(p);
            const double r = x / std::sqrt(2.0);
            const double back = p <= 0.5 ? t->Cumulative(r) - t->UpperTail(r) : 1 - 2 * t->UpperTail(r);
            EXPECT_NEAR(back / p, 1, 1e-9) << df << " " << p;
        }
    }
}

}  // namespace
