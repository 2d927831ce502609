#pragma once

#include <limits>
#include <memory>
#include <span>

#include "HostApi/Interfaces.h"
#include "TvkApi.h"

// The host's numbering of distributions and the command keyword each one is written with.
namespace NmsEnum {
enum DISTRIB_TYPE : int {
    UNIFORM = 0,      // "UNIFORM = "    lower, upper
    BETA = 1,         // "BETA = "       shape a, shape b
    ENORM = 2,        // "ENORM = "      logit-normal on (0, 1): logit(X) is normal with mean, sd
    TRIANGULAR = 3,   // "TRIANGULAR = " lower, upper, mode
    LOGISTIC = 4,     // "LOGISTIC = "   location, scale
    DEXP = 5,         // "DEXP = "       double exponential (Laplace): location, scale
    T = 6,            // "T = "          degrees of freedom
    CAUCHY = 7,       // "CAUCHY = "     location, scale
    GUMBEL = 8,       // "GUMBEL = "     largest extreme value: location, scale
    NORMAL = 9,       // "NORMAL = "     mean, sd
    GAMMA = 10,       // "GAMMA = "      shape, scale
    CHISQ = 11,       // "CHISQ = "      degrees of freedom
    GOMPERTZ = 12,    // "GOMPERTZ = "   hazard B c^x on x >= 0: B > 0, c > 1
    LNORMAL = 13,     // "LNORMAL = "    mean and sd of the logarithm
    F = 14,           // "F = "          numerator and denominator degrees of freedom
    WEIBULL = 15,     // "WEIBULL = "    shape, scale
    PARETO = 16,      // "PARETO = "     scale (the least value), shape
    RAYLEIGH = 17,    // "RAYLEIGH = "   sigma
    IGAUSSIAN = 18,   // "IGAUSSIAN = "  mean, shape lambda
    EXP = 19,         // "EXP = "        location (the least value), scale (mean above it)
    RANGE = 20,       // "RANGE = "      studentized range: number of means k, degrees of freedom
    DUNIFORM = 21,    // "DUNIFORM = "   N: each of 1..N equally likely
    POISSON = 22,     // "POISSON = "    mean
    BINOMIAL = 23,    // "BINOMIAL = "   trials n, probability p
    NBINOMIAL = 24,   // "NBINOMIAL = "  failures before success r (real), probability p
    GEOMETRIC = 25,   // "GEOMETRIC = "  failures before the first success, probability p
    HGEOMETRIC = 26,  // "HGEOMETRIC = " population N, successes in it K, sample size n
    ZIPF = 27,        // "ZIPF = "       P(k) proportional to k^-(rho + 1), k >= 1, rho > 0
    LILLIEFORS = 28,  // "LILLIEFORS"    the one-sample tests' normal with estimated mean and sd
    MULTINOMIAL = 29,
    MBETA = 30,
    DIRICHLET = 31,
    ZMNORMAL = 32,
    WISHART = 33,
    BENFORD = 35,    // "BENFORD = "    base B: P(d) = log_B(1 + 1/d), d = 1..B-1
    ERLANG = 36,     // "ERLANG = "     shape k (integer), scale
    LSERIES = 38,    // "LSERIES = "    logarithmic series: P(k) = -p^k / (k ln(1 - p)), k >= 1
    LLOGISTIC = 39,  // "LLOGISTIC = "  log-logistic: scale alpha, shape beta
    NCCHISQ = 40,    // "NCCHISQ = "    degrees of freedom, non-centrality lambda
    NCF = 41,        // "NCF = "        degrees of freedom, non-centrality lambda
    NCT = 42,        // "NCT = "        degrees of freedom, non-centrality delta
    SMM = 43,        // "SMM = "        studentized maximum modulus: number of means k, df
    SEV = 44,        // "SEV = "        smallest extreme value: location, scale
};
}  // namespace NmsEnum

// One distribution with its parameters. Every function takes any double and never throws: an argument
// outside the support gives 0 (density) or 0 and 1 (the tails); what cannot be computed, and the
// inverse at p <= 0 or p >= 1, gives the missing value. A discrete distribution floors its argument.
class TVK_API IDistribution {
public:
    virtual ~IDistribution() = default;
    // False (and the distribution unusable) for a wrong count or values outside the parameter space.
    virtual bool SetParameters(std::span<const double> parameters) = 0;
    virtual bool IsDiscrete() const = 0;
    // Density, or probability function of a discrete distribution.
    virtual double Density(double x) const = 0;
    virtual double Cumulative(double x) const = 0;
    // P(X > x), computed as such (not as 1 - Cumulative, which loses a small upper tail).
    virtual double UpperTail(double x) const = 0;
    // The least x whose cumulative value reaches p.
    virtual double Inverse(double p) const = 0;
};

// The host's numerical service, found as the module "TvkNumerics".
class TVK_API INumericalService : public IModule {
public:
    // A distribution of the type, or null for a type the service does not know.
    virtual std::unique_ptr<IDistribution> CreateDistribution(int type) = 0;
    virtual bool IsMissing(double value) = 0;

protected:
    ~INumericalService() = default;
};

// What the service returns for a value it cannot give.
inline constexpr double kMissingValue = std::numeric_limits<double>::quiet_NaN();
