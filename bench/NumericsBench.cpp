// The numerical service against R's nmath (r-mathlib) on the same arguments in the same run: per
// family the density, the cumulative function, the upper tail (each side computed directly by both)
// and the inverse, at 64 points of the body and both tails so that no branch is always taken. After the
// timings a table gives each ratio, service / nmath in evaluations per second ("-" where nmath has no
// such function). Without r-mathlib only the service is timed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Numerics/NumericalService.h"

#ifdef DLGSTAT1_HAVE_RMATH
#define MATHLIB_STANDALONE
#include <Rmath.h>
#endif

namespace {

// nmath's four functions of one law: density, lower and upper tail (lower_tail = 1 or 0), quantile.
struct Nmath {
    std::function<double(double)> d, p, q, inv;
};

struct Case {
    const char* name;
    int type;
    std::vector<double> parameters;
    Nmath nmath;
};

#ifdef DLGSTAT1_HAVE_RMATH
// Binds the parameters of nmath's d/p/q functions; a and b are the law's parameters in nmath's order.
#define NMATH2(D, P, Q, a, b)                                                                    \
    Nmath {                                                                                      \
        [](double x) { return D(x, a, b, 0); }, [](double x) { return P(x, a, b, 1, 0); },       \
            [](double x) { return P(x, a, b, 0, 0); }, [](double u) { return Q(u, a, b, 1, 0); } \
    }
#define NMATH1(D, P, Q, a)                                                                 \
    Nmath {                                                                                \
        [](double x) { return D(x, a, 0); }, [](double x) { return P(x, a, 1, 0); },       \
            [](double x) { return P(x, a, 0, 0); }, [](double u) { return Q(u, a, 1, 0); } \
    }
#define NMATH3(D, P, Q, a, b, c)                                                                       \
    Nmath {                                                                                            \
        [](double x) { return D(x, a, b, c, 0); }, [](double x) { return P(x, a, b, c, 1, 0); },       \
            [](double x) { return P(x, a, b, c, 0, 0); }, [](double u) { return Q(u, a, b, c, 1, 0); } \
    }
#define NONE \
    Nmath {}
// The studentized range: one range of k means; nmath has no density of it.
#define TUKEY(k, v)                                            \
    Nmath {                                                    \
        {}, [](double x) { return ptukey(x, 1, k, v, 1, 0); }, \
            [](double x) { return ptukey(x, 1, k, v, 0, 0); }, \
            [](double u) { return qtukey(u, 1, k, v, 1, 0); }  \
    }
#else
#define NMATH2(D, P, Q, a, b) \
    Nmath {}
#define NMATH1(D, P, Q, a) \
    Nmath {}
#define NMATH3(D, P, Q, a, b, c) \
    Nmath {}
#define NONE \
    Nmath {}
#define TUKEY(k, v) \
    Nmath {}
#endif

// The catalogue's defaults and a few harder parameters; the exponential's location is 0, since nmath's
// has none. nmath's hypergeometric takes the successes, the failures and the draws.
const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"uniform", 0, {0, 1}, NMATH2(dunif, punif, qunif, 0.0, 1.0)},
        {"beta", 1, {2, 2}, NMATH2(dbeta, pbeta, qbeta, 2.0, 2.0)},
        {"beta0.5,30", 1, {0.5, 30}, NMATH2(dbeta, pbeta, qbeta, 0.5, 30.0)},
        {"enorm", 2, {0, 1}, NONE},
        {"triangular", 3, {0, 1, 0.5}, NONE},
        {"logistic", 4, {0, 1}, NMATH2(dlogis, plogis, qlogis, 0.0, 1.0)},
        {"dexp", 5, {0, 1}, NONE},
        {"t", 6, {5}, NMATH1(dt, pt, qt, 5.0)},
        {"t50", 6, {50}, NMATH1(dt, pt, qt, 50.0)},
        {"cauchy", 7, {0, 1}, NMATH2(dcauchy, pcauchy, qcauchy, 0.0, 1.0)},
        {"gumbel", 8, {0, 1}, NONE},
        {"normal", 9, {0, 1}, NMATH2(dnorm, pnorm, qnorm, 0.0, 1.0)},
        {"gamma", 10, {1, 1}, NMATH2(dgamma, pgamma, qgamma, 1.0, 1.0)},
        {"gamma2.5", 10, {2.5, 1}, NMATH2(dgamma, pgamma, qgamma, 2.5, 1.0)},
        {"gamma1e5", 10, {1e5, 1}, NMATH2(dgamma, pgamma, qgamma, 1e5, 1.0)},
        {"chisq", 11, {1}, NMATH1(dchisq, pchisq, qchisq, 1.0)},
        {"chisq10", 11, {10}, NMATH1(dchisq, pchisq, qchisq, 10.0)},
        {"gompertz", 12, {0.3, 3}, NONE},
        {"lnormal", 13, {0, 1}, NMATH2(dlnorm, plnorm, qlnorm, 0.0, 1.0)},
        {"f", 14, {2, 2}, NMATH2(df, pf, qf, 2.0, 2.0)},
        {"f5,40", 14, {5, 40}, NMATH2(df, pf, qf, 5.0, 40.0)},
        {"weibull", 15, {1, 2}, NMATH2(dweibull, pweibull, qweibull, 1.0, 2.0)},
        {"pareto", 16, {1, 1}, NONE},
        {"rayleigh", 17, {2}, NONE},
        {"igaussian", 18, {1, 1}, NONE},
        {"exp", 19, {0, 1}, NMATH1(dexp, pexp, qexp, 1.0)},
        {"range", 20, {3, 3}, TUKEY(3.0, 3.0)},
        {"range10,30", 20, {10, 30}, TUKEY(10.0, 30.0)},
        {"duniform", 21, {10}, NONE},
        {"poisson", 22, {1}, NMATH1(dpois, ppois, qpois, 1.0)},
        {"poisson400", 22, {400}, NMATH1(dpois, ppois, qpois, 400.0)},
        {"binomial", 23, {2, 0.5}, NMATH2(dbinom, pbinom, qbinom, 2.0, 0.5)},
        {"binomial500", 23, {500, 0.01}, NMATH2(dbinom, pbinom, qbinom, 500.0, 0.01)},
        {"nbinomial", 24, {2, 0.5}, NMATH2(dnbinom, pnbinom, qnbinom, 2.0, 0.5)},
        {"geometric", 25, {0.5}, NMATH1(dgeom, pgeom, qgeom, 0.5)},
        {"geometric0.01", 25, {0.01}, NMATH1(dgeom, pgeom, qgeom, 0.01)},
        {"hgeometric", 26, {20, 10, 5}, NMATH3(dhyper, phyper, qhyper, 10.0, 10.0, 5.0)},
        {"hgeometric1e6", 26, {1e6, 5e5, 1000}, NMATH3(dhyper, phyper, qhyper, 5e5, 5e5, 1000.0)},
        {"zipf", 27, {2}, NONE},
        {"benford", 35, {10}, NONE},
        {"erlang", 36, {2, 1}, NMATH2(dgamma, pgamma, qgamma, 2.0, 1.0)},
        {"lseries", 38, {0.5}, NONE},
        {"llogistic", 39, {1, 2}, NONE},
        {"ncchisq", 40, {2, 1}, NMATH2(dnchisq, pnchisq, qnchisq, 2.0, 1.0)},
        {"ncf", 41, {2, 5, 1}, NMATH3(dnf, pnf, qnf, 2.0, 5.0, 1.0)},
        {"nct", 42, {5, 1}, NMATH2(dnt, pnt, qnt, 5.0, 1.0)},
        {"smm", 43, {3, 10}, NONE},
        {"sev", 44, {0, 1}, NONE},
    };
    return cases;
}

std::unique_ptr<IDistribution> Make(const Case& c) {
    static CNumericalService service;
    INumericalService* host = &service;
    auto d = host->CreateDistribution(c.type);
    d->SetParameters(c.parameters);
    return d;
}

constexpr const char* kFunctions[] = {"density", "cumulative", "upper", "inverse"};

// One function of one law, the service's and nmath's, on the same 64 arguments (percentiles of the law).
struct Pair {
    std::unique_ptr<IDistribution> law;
    std::vector<double> args;
    std::function<double(double)> ours;
    const std::function<double(double)>* theirs;
};

// nmath's side of one function of the case, or null where nmath has no such function.
const std::function<double(double)>* NmathOf(const Case& c, int function) {
    const std::function<double(double)>* theirs[] = {&c.nmath.d, &c.nmath.p, &c.nmath.q, &c.nmath.inv};
    return *theirs[function] ? theirs[function] : nullptr;
}

Pair MakePair(const Case& c, int function) {
    Pair pair{Make(c), {}, {}, NmathOf(c, function)};
    for (int i = 1; i <= 64; ++i)
        pair.args.push_back(function == 3 ? i / 65.0 : pair.law->Inverse(i / 65.0));
    // The law as the host holds it: a pointer, each call through its table.
    const IDistribution* law = pair.law.get();
    const std::function<double(double)> service[] = {
        [law](double x) { return law->Density(x); }, [law](double x) { return law->Cumulative(x); },
        [law](double x) { return law->UpperTail(x); }, [law](double u) { return law->Inverse(u); }};
    pair.ours = service[function];
    return pair;
}

// Times one side of one pair.
void Run(benchmark::State& state, const Case& c, int function, bool nmath) {
    const Pair pair = MakePair(c, function);
    const auto& f = nmath ? *pair.theirs : pair.ours;
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(f(pair.args[i++ & 63]));
    state.SetItemsProcessed(state.iterations());
}

// Seconds for n calls of f over the arguments.
double Batch(const std::function<double(double)>& f, const std::vector<double>& args, int n) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i)
        benchmark::DoNotOptimize(f(args[i & 63]));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Evaluations per second, service / nmath. A call of the cheapest laws takes 2 to 3 ns, and the machine's
// speed drifts by 10 to 20 % between two timings of a few tenths of a second: so the ratio is the median
// of many rounds, each timing a batch of both sides back to back, in alternating order.
double PairedRatio(const Pair& pair) {
    int n = 64;  // calls per batch: the slower side's batch takes at least 20 us
    double slower = 0;
    while ((slower = std::max(Batch(pair.ours, pair.args, n), Batch(*pair.theirs, pair.args, n))) < 2e-5 &&
           n < (1 << 20))
        n *= 2;
    // 201 rounds, fewer (at least 21) where they would take more than a quarter of a second.
    const int rounds = 1 + 2 * std::clamp(static_cast<int>(0.25 / (4 * slower)), 10, 100);
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        const bool oursFirst = round % 2 == 0;
        const double first = Batch(oursFirst ? pair.ours : *pair.theirs, pair.args, n);
        const double second = Batch(oursFirst ? *pair.theirs : pair.ours, pair.args, n);
        ratios.push_back(oursFirst ? second / first : first / second);
    }
    std::nth_element(ratios.begin(), ratios.begin() + rounds / 2, ratios.end());
    return ratios[rounds / 2];
}

// The median of that ratio over several copies of the pair. A call of the cheapest laws is a few cycles,
// and one median of theirs moves between 0.8 and 1.4 from copy to copy, each copy on the same arguments
// (and from run to run of one copy at one address).
double PlacedRatio(const Case& c, int function) {
    constexpr int kCopies = 7;
    std::vector<Pair> pairs;  // all alive at once, so that each copy lies elsewhere
    std::vector<double> ratios;
    for (int copy = 0; copy < kCopies; ++copy) {
        pairs.push_back(MakePair(c, function));
        ratios.push_back(PairedRatio(pairs.back()));
    }
    std::nth_element(ratios.begin(), ratios.begin() + kCopies / 2, ratios.end());
    return ratios[kCopies / 2];
}

}  // namespace

int main(int argc, char** argv) {
    for (const Case& c : Cases())
        for (int f = 0; f < 4; ++f) {
            const std::string name = std::string(kFunctions[f]) + "/" + c.name;
            benchmark::RegisterBenchmark((name + "/service").c_str(), Run, c, f, false)->MinTime(0.1);
            if (NmathOf(c, f))
                benchmark::RegisterBenchmark((name + "/nmath").c_str(), Run, c, f, true)->MinTime(0.1);
        }
    benchmark::Initialize(&argc, argv);
    // --law=NAME (again for more) limits the ratio table to those laws, named as it prints them (a full
    // table takes minutes). One flag a law: some names hold a comma.
    std::vector<std::string> laws;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--law=", 0) == 0) {
            laws.push_back(arg.substr(6));
        } else {
            std::fprintf(stderr, "NumericsBench: unknown argument '%s'\n", argv[i]);
            return 2;
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    std::printf(
        "\nservice / nmath, evaluations per second, median of paired rounds over seven copies of each law "
        "(density / cumulative / upper / inverse):\n");
    for (const Case& c : Cases()) {
        if (!laws.empty() && std::find(laws.begin(), laws.end(), c.name) == laws.end())
            continue;
        std::printf("%-14s", c.name);
        for (int f = 0; f < 4; ++f) {
            if (NmathOf(c, f))
                std::printf(" %7.2f", PlacedRatio(c, f));
            else
                std::printf(" %7s", "-");
        }
        std::printf("\n");
    }
    return 0;
}
