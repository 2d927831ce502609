// The numerical service on any distribution, parameters and argument: finite, huge, denormal, at the
// bounds. A call must end (libFuzzer's -timeout and -malloc_limit_mb stop one that does not), and an
// accepted distribution gives no missing value for an argument it takes (any x but NaN, p in (0, 1)), no
// tail outside [0, 1], and two tails at one x that sum to 1 (each side may be computed on its own).
//
// Input: a byte for the type, then per parameter and for the argument a byte that picks one of the
// values below, or (above their count) takes the next 8 bytes as a double; last, the function.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "Numerics/Distributions.h"
#include "Numerics/NumericalService.h"

namespace {

constexpr int kTypes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
                          19, 20, 21, 22, 23, 24, 25, 26, 27, 35, 36, 38, 39, 40, 41, 42, 43, 44};

constexpr double kMax = std::numeric_limits<double>::max();
const std::array kValues = {0.0,
                            -0.0,
                            1.0,
                            -1.0,
                            0.5,
                            2.0,
                            3.0,
                            10.0,
                            0.001,
                            0.999,
                            1e-300,
                            1e300,
                            -1e300,
                            kMax,
                            -kMax,
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(),
                            1e-310,
                            2147483647.0,
                            2147483648.0,
                            0x1p53,
                            1e15,
                            1e10,
                            1e7,
                            1.0 - 1e-16,
                            1e-16,
                            1e-9,
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    bool Byte(std::uint8_t& b) {
        if (!size)
            return false;
        b = *data++;
        --size;
        return true;
    }
    bool Value(double& v) {
        std::uint8_t pick = 0;
        if (!Byte(pick))
            return false;
        if (pick < kValues.size()) {
            v = kValues[pick];
            return true;
        }
        if (size < sizeof v)
            return false;
        std::memcpy(&v, data, sizeof v);
        data += sizeof v;
        size -= sizeof v;
        return true;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    std::uint8_t pick = 0, function = 0;
    if (!in.Byte(pick))
        return 0;
    const int type = kTypes[pick % std::size(kTypes)];
    std::vector<double> parameters(numerics::ParameterCount(type));
    double x = 0;
    for (double& p : parameters)
        if (!in.Value(p))
            return 0;
    if (!in.Value(x) || !in.Byte(function))
        return 0;
    static CNumericalService service;
    INumericalService* host = &service;
    const auto d = host->CreateDistribution(type);
    if (!d || !d->SetParameters(parameters))
        return 0;
    double result = 0;
    bool takes = !std::isnan(x);
    switch (function % 4) {
        case 0:
            result = d->Density(x);
            break;
        case 1:
            result = d->Cumulative(x);
            break;
        case 2:
            result = d->UpperTail(x);
            break;
        default:
            result = d->Inverse(x);
            takes = x > 0 && x < 1;
            break;
    }
    // A tail outside [0, 1] is as wrong as a missing one.
    const bool tail = function % 4 == 1 || function % 4 == 2;
    const double other = !tail ? 0.0 : function % 4 == 1 ? d->UpperTail(x) : d->Cumulative(x);
    const char* fault = host->IsMissing(result)                           ? "missing"
                        : tail && !(result >= 0 && result <= 1)           ? "outside [0, 1]"
                        : tail && !(std::abs(result + other - 1) <= 1e-9) ? "tails not summing to 1"
                                                                          : nullptr;
    if (takes && fault) {
        // The finding names itself: the law, its parameters, the function and the argument.
        std::fprintf(stderr, "%s: type %d, parameters", fault, type);
        for (const double p : parameters)
            std::fprintf(stderr, " %.17g", p);
        std::fprintf(stderr, ", function %d at %.17g\n", function % 4, x);
        std::abort();
    }
    return 0;
}
