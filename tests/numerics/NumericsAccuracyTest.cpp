// Accuracy of the numerical service against referees no one here wrote: Boost.Math evaluated in
// 50-digit precision for the distributions it has, mpmath tables (tools/numerics_reference.py) for the
// others and the non-central ones, and published tables of the studentized range. Each family's
// number of points and its worst relative error are printed.

#include <gtest/gtest.h>

#include <algorithm>
#include <boost/math/distributions.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Numerics/NumericalService.h"

namespace {

using Big = boost::multiprecision::cpp_bin_float_50;
namespace bp = boost::math::policies;
using RefPolicy = bp::policy<bp::discrete_quantile<bp::integer_round_up>>;

// Values below this are not compared (the target holds where the true value is at least 1e-300).
constexpr double kSmallest = 1e-300;

struct Worst {
    int points = 0;
    double error = 0;
    std::string where;
    void Add(double got, double want, const std::string& what) {
        if (std::abs(want) < kSmallest && want != 0)
            return;
        ++points;
        const double e = want == 0 ? std::abs(got) : std::abs(got - want) / std::abs(want);
        if (!(e <= error)) {  // NaN counts as the worst
            error = std::isnan(e) ? INFINITY : e;
            where = what;
        }
    }
};

std::vector<double> SplitNumbers(const std::string& text) {
    std::vector<double> values;
    std::stringstream in(text);
    // The service takes finite parameters only: "inf" (an infinite df) becomes the largest double.
    for (std::string item; std::getline(in, item, ',');)
        values.push_back(std::min(std::stod(item), std::numeric_limits<double>::max()));
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

std::vector<std::string> DataLines(const std::string& name) {
    std::ifstream in(std::string(DLGSTAT1_TEST_SOURCE_DIR) + "/tests/data/numerics/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

class NumericsAccuracy : public ::testing::Test {
protected:
    std::unique_ptr<IDistribution> Make(int type, const std::vector<double>& p) {
        auto d = m_service->CreateDistribution(type);
        EXPECT_TRUE(d && d->SetParameters(p)) << type;
        return d;
    }
    static void Report(const char* referee, const std::map<int, Worst>& worst, double tolerance) {
        for (const auto& [type, w] : worst) {
            std::cout << referee << " type " << type << ": " << w.points << " points, worst " << w.error
                      << (w.where.empty() ? "" : " (" + w.where + ")") << "\n";
            EXPECT_LE(w.error, tolerance) << w.where;
        }
    }

    CNumericalService m_host;
    INumericalService* m_service = &m_host;
};

// The referee of one case: a Boost distribution in 50 digits.
template <class D>
void CheckAgainst(const D& referee, IDistribution& d, bool discrete, int type, const std::vector<double>& p,
                  Worst& worst) {
    static constexpr double kProbabilities[] = {1e-12, 1e-6, 1e-3, 0.05,  0.3,
                                                0.5,   0.7,  0.95, 0.999, 0.999999};
    for (double prob : kProbabilities) {
        const Big q = prob <= 0.5
                          ? boost::math::quantile(referee, Big(prob))
                          : boost::math::quantile(boost::math::complement(referee, Big(1) - Big(prob)));
        double x = static_cast<double>(q);
        if (discrete) {
            // Boost's geometric quantile interpolates whatever the policy: the least integer reaching p
            // (within the referee's own rounding, for a p equal to F(k)).
            const auto reaches = [&](double k) {
                return boost::math::cdf(referee, Big(k)) >= Big(prob) * (1 - Big(1e-40));
            };
            x = std::ceil(x);
            while (x > 0 && reaches(x - 1))
                --x;
            while (!reaches(x))
                ++x;
        }
        const Big bx = x;
        worst.Add(d.Density(x), static_cast<double>(boost::math::pdf(referee, bx)),
                  Describe(type, p, "DF", x));
        worst.Add(d.Cumulative(x), static_cast<double>(boost::math::cdf(referee, bx)),
                  Describe(type, p, "CF", x));
        worst.Add(d.UpperTail(x), static_cast<double>(boost::math::cdf(boost::math::complement(referee, bx))),
                  Describe(type, p, "1-CF", x));
        if (discrete)
            worst.Add(d.Inverse(prob) == x ? 0.0 : 1.0, 0.0, Describe(type, p, "IF", prob));
        else
            worst.Add(d.Inverse(prob), x, Describe(type, p, "IF", prob));
    }
}

TEST_F(NumericsAccuracy, AgainstBoostInFiftyDigits) {
    using namespace boost::math;
    std::map<int, Worst> worst;
    for (const std::string& line : DataLines("boost_cases.txt")) {
        std::istringstream in(line);
        int type = 0;
        std::string list;
        in >> type >> list;
        const std::vector<double> p = SplitNumbers(list);
        auto d = Make(type, p);
        if (!d)
            continue;
        const auto check = [&](const auto& referee, bool discrete = false) {
            CheckAgainst(referee, *d, discrete, type, p, worst[type]);
        };
        const Big a = p[0], b = p.size() > 1 ? Big(p[1]) : Big(0), c = p.size() > 2 ? Big(p[2]) : Big(0);
        switch (type) {
            case 0:
                check(uniform_distribution<Big, RefPolicy>(a, b));
                break;
            case 1:
                check(beta_distribution<Big, RefPolicy>(a, b));
                break;
            case 3:
                check(triangular_distribution<Big, RefPolicy>(a, c, b));
                break;
            case 4:
                check(logistic_distribution<Big, RefPolicy>(a, b));
                break;
            case 5:
                check(laplace_distribution<Big, RefPolicy>(a, b));
                break;
            case 6:
                check(students_t_distribution<Big, RefPolicy>(a));
                break;
            case 7:
                check(cauchy_distribution<Big, RefPolicy>(a, b));
                break;
            case 8:
                check(extreme_value_distribution<Big, RefPolicy>(a, b));
                break;
            case 9:
                check(normal_distribution<Big, RefPolicy>(a, b));
                break;
            case 10:
            case 36:
                check(gamma_distribution<Big, RefPolicy>(a, b));
                break;
            case 11:
                check(chi_squared_distribution<Big, RefPolicy>(a));
                break;
            case 13:
                check(lognormal_distribution<Big, RefPolicy>(a, b));
                break;
            case 14:
                check(fisher_f_distribution<Big, RefPolicy>(a, b));
                break;
            case 15:
                check(weibull_distribution<Big, RefPolicy>(a, b));
                break;
            case 16:
                check(pareto_distribution<Big, RefPolicy>(a, b));
                break;
            case 17:
                check(rayleigh_distribution<Big, RefPolicy>(a));
                break;
            case 18:
                check(inverse_gaussian_distribution<Big, RefPolicy>(a, b));
                break;
            case 22:
                check(poisson_distribution<Big, RefPolicy>(a), true);
                break;
            case 23:
                check(binomial_distribution<Big, RefPolicy>(a, b), true);
                break;
            case 24:
                check(negative_binomial_distribution<Big, RefPolicy>(a, b), true);
                break;
            case 25:
                check(geometric_distribution<Big, RefPolicy>(a), true);
                break;
            case 26:
                check(hypergeometric_distribution<Big, RefPolicy>(static_cast<unsigned>(p[1]),
                                                                  static_cast<unsigned>(p[2]),
                                                                  static_cast<unsigned>(p[0])),
                      true);
                break;
            case 19: {
                // Location a, scale b: the referee runs on x - a.
                const exponential_distribution<Big, RefPolicy> e(1 / b);
                static constexpr double kProbabilities[] = {1e-12, 1e-3, 0.3, 0.5, 0.95, 0.999999};
                for (double prob : kProbabilities) {
                    const double x = static_cast<double>(quantile(e, Big(prob)) + a);
                    const Big bx = Big(x) - a;
                    worst[type].Add(d->Density(x), static_cast<double>(pdf(e, bx)),
                                    Describe(type, p, "DF", x));
                    worst[type].Add(d->Cumulative(x), static_cast<double>(cdf(e, bx)),
                                    Describe(type, p, "CF", x));
                    worst[type].Add(d->UpperTail(x), static_cast<double>(cdf(complement(e, bx))),
                                    Describe(type, p, "1-CF", x));
                    worst[type].Add(d->Inverse(prob), static_cast<double>(quantile(e, Big(prob)) + a),
                                    Describe(type, p, "IF", prob));
                }
                break;
            }
            default:
                ADD_FAILURE() << "no referee for type " << type;
        }
    }
    Report("boost50", worst, 1e-12);
}

TEST_F(NumericsAccuracy, AgainstMpmathTables) {
    std::map<int, Worst> worst;
    for (const std::string& line : DataLines("mpmath_reference.txt")) {
        std::istringstream in(line);
        int type = 0;
        std::string list;
        double x = 0, pdf = 0, cdf = 0, upper = 0;
        in >> type >> list >> x >> pdf >> cdf >> upper;
        const std::vector<double> p = SplitNumbers(list);
        auto d = Make(type, p);
        if (!d)
            continue;
        Worst& w = worst[type];
        w.Add(d->Density(x), pdf, Describe(type, p, "DF", x));
        w.Add(d->Cumulative(x), cdf, Describe(type, p, "CF", x));
        w.Add(d->UpperTail(x), upper, Describe(type, p, "1-CF", x));
        if (d->IsDiscrete()) {
            // Just below F(x), so that x is the least value reaching it.
            if (std::min(cdf, upper) > 1e-6) {
                const double prob = cdf <= 0.5 ? cdf * (1 - 1e-9) : 1 - upper * (1 + 1e-9);
                w.Add(d->Inverse(prob) == x ? 0.0 : 1.0, 0.0, Describe(type, p, "IF", prob));
            }
        } else if (pdf > 0 && std::min(cdf, upper) > 1e-280) {
            // The probability as a double differs from the tail at x; the inverse there differs from x
            // by the tail's change in logarithm times tail over density (exact for exponential tails,
            // first order for the others).
            const double prob = cdf <= 0.5 ? cdf : 1 - upper;
            const double shift = cdf <= 0.5 ? std::log1p((prob - cdf) / cdf) * cdf / pdf
                                            : -std::log1p(((1 - prob) - upper) / upper) * upper / pdf;
            // Near 1 a double p holds only a few digits of its tail: where it is off by more than a
            // millionth, the first-order correction is not exact enough to judge by.
            const double gap = cdf <= 0.5 ? (prob - cdf) / cdf : ((1 - prob) - upper) / upper;
            if (prob > 0 && prob < 1 && std::abs(gap) < 1e-6)
                w.Add(d->Inverse(prob), x + shift, Describe(type, p, "IF", prob));
        }
    }
    // The studentized range and maximum modulus are integrals computed to 1e-10.
    std::map<int, Worst> quadrature;
    for (int type : {20, 43})
        if (worst.contains(type)) {
            quadrature[type] = worst[type];
            worst.erase(type);
        }
    Report("mpmath", worst, 1e-12);
    Report("mpmath", quadrature, 1e-10);
}

// Upper 5% and 1% points of the studentized range as printed in the usual tables (three decimals).
TEST_F(NumericsAccuracy, StudentizedRangeTablePoints) {
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

// Two published identities: the studentized range of two means is sqrt(2) |t|, the maximum modulus of
// one is |t|; from a heavy-tailed s (df below 1) to one close to 1, into tails far from the body.
TEST_F(NumericsAccuracy, StudentizedIdentities) {
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
