// Cumulative and inverse functions of the numerical service per distribution, through the host
// interface, at the catalogue's default parameters; arguments cycle through 64 points of the body
// and both tails so that no branch is always taken.
#include <benchmark/benchmark.h>

#include <vector>

#include "Numerics/NumericalService.h"

namespace {

struct Case {
    const char* name;
    int type;
    std::vector<double> parameters;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"uniform", 0, {0, 1}},
        {"beta", 1, {2, 2}},
        {"enorm", 2, {0, 1}},
        {"triangular", 3, {0, 1, 0.5}},
        {"logistic", 4, {0, 1}},
        {"dexp", 5, {0, 1}},
        {"t", 6, {5}},
        {"cauchy", 7, {0, 1}},
        {"gumbel", 8, {0, 1}},
        {"normal", 9, {0, 1}},
        {"gamma", 10, {1, 1}},
        {"gamma2.5", 10, {2.5, 1}},
        {"chisq", 11, {1}},
        {"chisq10", 11, {10}},
        {"gompertz", 12, {0.3, 3}},
        {"lnormal", 13, {0, 1}},
        {"f", 14, {2, 2}},
        {"weibull", 15, {1, 2}},
        {"pareto", 16, {1, 1}},
        {"rayleigh", 17, {2}},
        {"igaussian", 18, {1, 1}},
        {"exp", 19, {0, 1}},
        {"range", 20, {3, 3}},
        {"range100", 20, {100, 10}},
        {"duniform", 21, {10}},
        {"poisson", 22, {1}},
        {"binomial", 23, {2, 0.5}},
        {"nbinomial", 24, {2, 0.5}},
        {"geometric", 25, {0.5}},
        {"hgeometric", 26, {20, 10, 5}},
        {"zipf", 27, {2}},
        {"benford", 35, {10}},
        {"erlang", 36, {2, 1}},
        {"lseries", 38, {0.5}},
        {"llogistic", 39, {1, 2}},
        {"ncchisq", 40, {2, 1}},
        {"ncf", 41, {2, 5, 1}},
        {"nct", 42, {5, 1}},
        {"smm", 43, {3, 10}},
        {"smm100", 43, {100, 10}},
        {"sev", 44, {0, 1}},
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

void Cumulative(benchmark::State& state, const Case& c) {
    auto d = Make(c);
    std::vector<double> xs;
    for (int i = 1; i <= 64; ++i)
        xs.push_back(d->Inverse(i / 65.0));
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(d->Cumulative(xs[i++ & 63]));
    state.SetItemsProcessed(state.iterations());
}

void Inverse(benchmark::State& state, const Case& c) {
    auto d = Make(c);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(d->Inverse(((i++ & 63) + 1) / 65.0));
    state.SetItemsProcessed(state.iterations());
}

const bool kRegistered = [] {
    for (const Case& c : Cases()) {
        benchmark::RegisterBenchmark((std::string("Cumulative/") + c.name).c_str(), Cumulative, c);
        benchmark::RegisterBenchmark((std::string("Inverse/") + c.name).c_str(), Inverse, c);
    }
    return true;
}();

}  // namespace
