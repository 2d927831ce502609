#include "TvkDlgBase/DistribFacts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkUseRes/ResourceTables.h"

// ---- parameters --------------------------------------------------------------------------------------

namespace {

using P = DistribParameter;
using C = DistribParameter::Check;
namespace N = NmsEnum;

P Real(const wchar_t* label, double value, C check = C::Any, double bound = 0) {
    return {label, false, P::Kind::Number, value, {}, check, bound};
}
P Whole(const wchar_t* label, int value, int atLeast) {
    return {label,
            true,
            P::Kind::Number,
            static_cast<double>(value),
            {},
            C::AtLeast,
            static_cast<double>(atLeast)};
}
P List(const wchar_t* label, const wchar_t* value) {
    return {label, false, P::Kind::List, 0, value, C::Any, 0};
}
P Matrix(const wchar_t* label, const wchar_t* value) {
    return {label, false, P::Kind::Matrix, 0, value, C::Any, 0};
}

constexpr int kInt = std::numeric_limits<int>::max();

// Message resources of the checks of values taken together.
constexpr UINT kTriangularRefused = 300011234;
constexpr UINT kBoundsRefused = 13960;
constexpr UINT kProbabilitiesRefused = 13961;
constexpr UINT kParametersRefused = 13962;
constexpr UINT kMeansRefused = 13963;
constexpr UINT kMatrixRefused = 13964;
constexpr UINT kDegreesRefused = 13965;
constexpr UINT kCountsRefused = 13966;
constexpr UINT kSquareRefused = 13968;

// One row of the table: the facts every distribution has, then those of some.
struct Row {
    DistribFact fact;
    Row& Together(DistribFact::Together rule) {
        fact.together = rule;
        return *this;
    }
    // The calculator's value: where it may lie, the message refusing it elsewhere, its range as shown
    // (a text, or a string resource).
    Row& Value(DistribFact::Support support, UINT message, const wchar_t* range) {
        fact.support = support;
        fact.supportMessage = message;
        fact.rangeText = range;
        return *this;
    }
    Row& Value(DistribFact::Support support, UINT message, UINT rangeIds) {
        fact.support = support;
        fact.supportMessage = message;
        fact.rangeIds = rangeIds;
        return *this;
    }
    Row& Discrete() {
        fact.discrete = true;
        return *this;
    }
    Row& Multivariate() {
        fact.multivariate = true;
        return *this;
    }
    Row& PlotSeparator(const wchar_t* separator) {
        fact.plotSeparator = separator;
        return *this;
    }
};

Row Fact(N::DISTRIB_TYPE type, const char* name, UINT nameIds, int keywordIds, const wchar_t* keyword,
         std::vector<P> parameters) {
    DistribFact f{type, name, nameIds, keywordIds, keyword, false, std::move(parameters)};
    return {std::move(f)};
}

std::vector<DistribFact> MakeFacts() {
    using T = DistribFact::Together;
    using S = DistribFact::Support;
    const P probability = Real(L"Probability", 0.5, C::Unit);
    const P scale = Real(L"Scale", 1, C::Positive);
    const std::vector<P> locationScale = {Real(L"Location", 0), scale};
    Row rows[] = {
        Fact(N::UNIFORM, "Uniform", 12644, 24041, L"UNIFORM = ", {Real(L"Lower", 0), Real(L"Upper", 1)})
            .Together(T::Ordered)
            .Value(S::Between, 12982, L"[a , b]"),
        Fact(N::BETA, "Beta", 12045, 24002, L"BETA = ",
             {Real(L"Shape a", 2, C::Positive), Real(L"Shape b", 2, C::Positive)})
            .Value(S::UnitUpperClosed, 12973, L"(0.0 , 1.0)"),
        Fact(N::ENORM, "ENORM", 24602, 24023, L"ENORM = ",
             {Real(L"Mean of logit", 0), Real(L"SD of logit", 1, C::Positive)})
            .Value(S::UnitUpperClosed, 12973, L"(0.0 , 1.0)"),
        Fact(N::TRIANGULAR, "Triangular", 24603, 24040, L"TRIANGULAR = ",
             {Real(L"Lower", 0), Real(L"Upper", 1), Real(L"Mode", 0.5)})
            .Together(T::Triangular)
            .Value(S::Between, 12982, L"[a , b]"),
        Fact(N::LOGISTIC, "Logistic", 12353, 24022, L"LOGISTIC = ", locationScale)
            .Value(S::Anywhere, 0, 13002),
        Fact(N::DEXP, "DoubleExponential", 24605, 24009, L"DEXP = ", locationScale)
            .Value(S::Anywhere, 0, 13002),
        Fact(N::T, "T", 24606, 24039, L"T = ", {Whole(L"Degrees of freedom", 5, 1)})
            .Value(S::Anywhere, 0, 13002),
        Fact(N::CAUCHY, "Cauchy", 12070, 24005, L"CAUCHY = ", locationScale).Value(S::Anywhere, 0, 13002),
        Fact(N::GUMBEL, "Gumbel", 24608, 24017, L"GUMBEL = ", locationScale).Value(S::Anywhere, 0, 13002),
        Fact(N::NORMAL, "Normal", 12433, 24032, L"NORMAL = ",
             {Real(L"Mean", 0), Real(L"Standard deviation", 1, C::Positive)})
            .Value(S::Anywhere, 0, 13002),
        Fact(N::GAMMA, "Gamma", 12245, 24013, L"GAMMA = ", {Real(L"Shape", 1, C::Positive), scale})
            .Value(S::Positive, 12983, 13003),
        Fact(N::CHISQ, "ChiSquare", 12078, 24006, L"CHISQ = ", {Whole(L"Degrees of freedom", 1, 1)})
            .Value(S::Positive, 12983, 13003),
        Fact(N::GOMPERTZ, "Gompertz", 24612, 24016, L"GOMPERTZ = ",
             {Real(L"B", 0.3, C::Positive), Real(L"c", 3, C::Above, 1)})
            .Value(S::NonNegative, 13013, 13004),
        Fact(N::LNORMAL, "Lognormal", 12357, 24024, L"LNORMAL = ",
             {Real(L"Mean of log", 0), Real(L"SD of log", 1, C::Positive)})
            .Value(S::Positive, 12983, 13003),
        Fact(N::F, "F", 24614, 24012, L"F = ", {Whole(L"Numerator df", 2, 1), Whole(L"Denominator df", 2, 1)})
            .Value(S::Positive, 12983, 13003),
        Fact(N::WEIBULL, "Weibull", 12661, 24042, L"WEIBULL = ",
             {Real(L"Shape", 1, C::Positive), Real(L"Scale", 2, C::Positive)})
            .Value(S::Positive, 12983, 13003),
        Fact(N::PARETO, "Pareto", 24616, 24033, L"PARETO = ", {scale, Real(L"Shape", 1, C::Positive)})
            .Value(S::AtLeastFirst, 13014, 12978),
        Fact(N::RAYLEIGH, "Rayleigh", 12506, 24035, L"RAYLEIGH = ", {Real(L"Sigma", 2, C::Positive)})
            .Value(S::Positive, 12983, 12979),
        Fact(N::IGAUSSIAN, "InverseGaussian", 12299, 24019, L"IGAUSSIAN = ",
             {Real(L"Mean", 1, C::Positive), Real(L"Shape", 1, C::Positive)})
            .Value(S::Positive, 12983, 13003),
        Fact(N::EXP, "Exponential", 12204, 24011, L"EXP = ", locationScale)
            .Value(S::AtLeastFirst, 13014, 12980),
        Fact(N::RANGE, "StudentizedRange", 12593, 24038, L"RANGE = ",
             {Whole(L"Number of means", 3, 2), Whole(L"Degrees of freedom", 3, 1)})
            .Value(S::Positive, 12983, 13003),
        Fact(N::DUNIFORM, "DiscreteUniform", 24621, 24008, L"DUNIFORM = ", {Whole(L"N", 10, 1)})
            .Discrete()
            .Value(S::OneToFirst, 13015, L"{1, 2, ..., N}"),
        Fact(N::POISSON, "Poisson", 12490, 24034, L"POISSON = ", {Real(L"Mean", 1, C::Positive)})
            .Discrete()
            .Value(S::MeanNotNegative, 13016, L"{0, 1, ...}"),
        Fact(N::BINOMIAL, "Binomial", 12048, 24003, L"BINOMIAL = ", {Whole(L"Trials", 2, 1), probability})
            .Discrete()
            .Value(S::ZeroToFirst, 12984, L"{0, 1, ..., n}"),
        Fact(N::NBINOMIAL, "NegativeBinomial", 24624, 24031, L"NBINOMIAL = ",
             {Real(L"Successes", 2, C::Positive), probability})
            .Discrete()
            .Value(S::Anywhere, 0, L"{0, 1, ...}"),
        Fact(N::GEOMETRIC, "Geometric", 24625, 24015, L"GEOMETRIC = ", {probability})
            .Discrete()
            .Value(S::NonNegative, 13013, L"{0, 1, ...}"),
        Fact(N::HGEOMETRIC, "Hypergeometric", 24626, 24018, L"HGEOMETRIC = ",
             {Whole(L"Population", 20, 1), Whole(L"Successes", 10, 1), Whole(L"Sample size", 5, 1)})
            .Discrete()
            .Together(T::Hypergeometric)
            .Value(S::Hypergeometric, 13017, 12981),
        Fact(N::ZIPF, "Zipf", 24627, 24044, L"ZIPF = ", {Real(L"Rho", 2, C::Positive)})
            .Discrete()
            .Value(S::AtLeastOne, 13018, L"{1, 2, ...}"),
        Fact(N::LILLIEFORS, "Lilliefors", 24628, 24128, L"LILLIEFORS", {}),
        Fact(N::MULTINOMIAL, "Multinomial", 24629, 24026, nullptr,
             {Whole(L"Trials", 1, 1), Whole(L"Categories", 3, 3), List(L"Probabilities", L"0.2 0.3 0.5")})
            .Discrete()
            .Multivariate()
            .Together(T::Multinomial),
        Fact(N::MBETA, "MultivariateBeta", 24630, 24004, nullptr,
             {Real(L"a", 1, C::Positive), Real(L"b", 1, C::Positive), Real(L"c", 1, C::Positive)})
            .Multivariate(),
        Fact(N::DIRICHLET, "Dirichlet", 24631, 24007, nullptr,
             {Whole(L"Dimension", 3, 3), List(L"Parameters", L"1 1 1")})
            .Multivariate()
            .Together(T::Dirichlet),
        Fact(N::ZMNORMAL, "MultivariateNormal", 24632, 24027, nullptr,
             {Whole(L"Dimension", 2, 2), List(L"Means", L"0 0"), Matrix(L"Covariance matrix", L"1 0; 0 1")})
            .Multivariate()
            .Together(T::MultivariateNormal),
        Fact(N::WISHART, "Wishart", 24633, 24043, nullptr,
             {Whole(L"Dimension", 2, 2), Real(L"Degrees of freedom", 2, C::Positive),
              Matrix(L"Scale matrix", L"1 0; 0 1"), Matrix(L"Noncentrality matrix", L"0 0; 0 0")})
            .Multivariate()
            .Together(T::Wishart),
        Fact(N::BENFORD, "Benford", 24635, 24135, L"BENFORD = ", {Whole(L"Base", 10, 2)})
            .Discrete()
            .Value(S::OneToFirstLess1, 13015, L"{1, 2, ..B-1}"),
        Fact(N::ERLANG, "Erlang", 24636, 24136, L"ERLANG = ", {Whole(L"Shape", 2, 1), scale})
            .Value(S::Positive, 12983, 13003)
            .PlotSeparator(L" , "),
        Fact(N::LSERIES, "LogarithmicSeries", 24638, 24138, L"LSERIES = ", {probability})
            .Discrete()
            .Value(S::AtLeastOne, 13018, L"{1, 2, ...}"),
        Fact(N::LLOGISTIC, "LogLogistic", 24639, 24139, L"LLOGISTIC = ",
             {scale, Real(L"Shape", 2, C::Positive)})
            .Value(S::Positive, 12983, 13003)
            .PlotSeparator(L" , "),
        Fact(N::NCCHISQ, "NoncentralChiSquare", 24640, 24140, L"NCCHISQ = ",
             {Real(L"Degrees of freedom", 2, C::Positive), Real(L"Noncentrality", 1, C::AtLeast, 0)})
            .Value(S::Positive, 12983, 13003)
            .PlotSeparator(L" , "),
        Fact(N::NCF, "NoncentralF", 24641, 24141, L"NCF = ",
             {Real(L"Numerator df", 2, C::Positive), Real(L"Denominator df", 5, C::Positive),
              Real(L"Noncentrality", 1, C::AtLeast, 0)})
            .Value(S::Positive, 12983, 13003)
            .PlotSeparator(L" , "),
        Fact(N::NCT, "NoncentralT", 24642, 24142, L"NCT = ",
             {Real(L"Degrees of freedom", 5, C::Positive), Real(L"Noncentrality", 1)})
            .Value(S::Anywhere, 0, 13002)
            .PlotSeparator(L" , "),
        Fact(N::SMM, "StudentizedMaximumModulus", 24643, 24143, L"SMM = ",
             {Whole(L"Number of means", 3, 1), Whole(L"Degrees of freedom", 10, 1)})
            .Value(S::Positive, 12983, 13003)
            .PlotSeparator(L", "),
        Fact(N::SEV, "SmallestExtremeValue", 24644, 24144, L"SEV = ", locationScale)
            .Value(S::Anywhere, 0, 13002)
            .PlotSeparator(L", "),
    };
    std::vector<DistribFact> facts;
    for (Row& r : rows)
        facts.push_back(std::move(r.fact));
    return facts;
}

}  // namespace

CString DistribParameter::RangeText() const {
    switch (check) {
        case Check::Positive:
            return L"( 0.0 , +inf )";
        case Check::Unit:
            return L"( 0.0 , 1.0 )";
        case Check::AtLeast:
            return L"[ " + CGUIBaseObj::NumberText(static_cast<int>(bound)) + L" , +inf )";
        case Check::Above:
            return L"( " + CGUIBaseObj::NumberText(bound) + (bound == std::floor(bound) ? L".0" : L"") +
                   L" , +inf )";
        case Check::Any:
            break;
    }
    return L"( -inf , +inf )";
}

bool DistribParameter::Accepts(double v) const {
    if (IsText())
        return v == 0 || (kind == Kind::Matrix && v == 1);
    if (!std::isfinite(v) || (integer && (v != std::floor(v) || v < -kInt || v > kInt)))
        return false;
    switch (check) {
        case Check::Positive:
            return v > 0;
        case Check::Unit:
            return v > 0 && v < 1;
        case Check::AtLeast:
            return v >= bound;
        case Check::Above:
            return v > bound;
        case Check::Any:
            break;
    }
    return true;
}

void DistribParameter::CheckRange(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT id, double v) const {
    if (integer) {
        const int low = check == Check::AtLeast ? static_cast<int>(bound) : -kInt;
        const int whole =
            static_cast<int>(std::clamp(v, static_cast<double>(-kInt), static_cast<double>(kInt)));
        dlg.CheckRange(pDX, id, whole, low, kNoMaximum, check == Check::AtLeast ? eInclusive : eNoValidation,
                       eNoValidation, 0);
        return;
    }
    switch (check) {
        case Check::Positive:
            dlg.CheckRange(pDX, id, v, 0.0, 0.0, eExclusive, eNoValidation, 0);
            break;
        case Check::Unit:
            dlg.CheckRange(pDX, id, v, 0.0, 1.0, eExclusive, eExclusive, 0);
            break;
        case Check::AtLeast:
            dlg.CheckRange(pDX, id, v, bound, 0.0, eInclusive, eNoValidation, 0);
            break;
        case Check::Above:
            dlg.CheckRange(pDX, id, v, bound, 0.0, eExclusive, eNoValidation, 0);
            break;
        case Check::Any:
            break;
    }
}

// ---- the table ---------------------------------------------------------------------------------------

const std::vector<DistribFact>& AllDistribFacts() {
    static const std::vector<DistribFact> facts = MakeFacts();
    return facts;
}

const DistribFact* FindDistribFact(int type) {
    for (const DistribFact& f : AllDistribFacts())
        if (f.type == type)
            return &f;
    return nullptr;
}

const DistribFact* FindDistribFact(std::string_view name) {
    const auto same = [&](std::string_view known) {
        return known.size() == name.size() &&
               std::equal(known.begin(), known.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    for (const DistribFact& f : AllDistribFacts())
        if (same(f.name))
            return &f;
    return nullptr;
}

bool IsIntegerParameter(int type, int index) {
    const DistribFact* f = FindDistribFact(type);
    return f && index >= 0 && index < static_cast<int>(f->parameters.size()) &&
           f->parameters[static_cast<std::size_t>(index)].integer;
}

// ---- the calculator's value --------------------------------------------------------------------------

CString DistribFact::ValueRangeText() const {
    if (rangeText)
        return rangeText;
    return rangeIds ? GetString(rangeIds) : CString();
}

namespace {

// A message resource with its "%s" places taken by the values, in order.
CString Message(UINT ids, std::initializer_list<double> values = {}) {
    CString text = GetString(ids);
    for (double v : values) {
        const int at = text.Find(L"%s");
        if (at < 0)
            break;
        text = text.Left(at) + CGUIBaseObj::NumberText(v) + text.Mid(at + 2);
    }
    return text;
}

}  // namespace

CString DistribFact::CheckValue(const std::vector<double>& p, double x) const {
    const auto param = [&](std::size_t i) { return i < p.size() ? p[i] : 0.0; };
    const auto refuse = [&](bool accepted, std::initializer_list<double> shown = {}) {
        return accepted ? CString() : Message(supportMessage, shown);
    };
    switch (support) {
        case Support::Between:
            return refuse(param(0) <= x && x <= param(1), {param(0), param(1)});
        case Support::UnitUpperClosed:
            return refuse(0 < x && x <= 1);
        case Support::Positive:
            return refuse(x > 0);
        case Support::NonNegative:
            return refuse(x >= 0);
        case Support::AtLeastFirst:
            return refuse(x >= param(0), {param(0)});
        case Support::OneToFirst:
            return refuse(1 <= x && x <= param(0), {param(0)});
        case Support::MeanNotNegative:
            return refuse(param(0) >= 0);
        case Support::ZeroToFirst:
            return refuse(0 <= x && x <= param(0), {param(0)});
        case Support::Hypergeometric:
            return refuse(std::max(0.0, param(2) - param(0) + param(1)) <= x &&
                          x <= std::min(param(2), param(1)));
        case Support::AtLeastOne:
            return refuse(x >= 1);
        case Support::OneToFirstLess1:
            return refuse(1 <= x && x <= param(0) - 1, {param(0)});
        case Support::Anywhere:
            break;
    }
    return {};
}

// ---- values taken together ---------------------------------------------------------------------------

namespace {

// Cholesky's factor exists exactly for a symmetric positive definite matrix.
bool IsPositiveDefinite(const std::vector<std::vector<double>>& a) {
    std::vector<std::vector<double>> l(a.size(), std::vector<double>(a.size(), 0.0));
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j <= i; ++j) {
            if (a[i][j] != a[j][i])
                return false;
            double sum = a[i][j];
            for (std::size_t k = 0; k < j; ++k)
                sum -= l[i][k] * l[j][k];
            if (i == j) {
                if (!(sum > 0))
                    return false;
                l[i][i] = std::sqrt(sum);
            } else {
                l[i][j] = sum / l[j][j];
            }
        }
    return true;
}

bool IsSquare(const std::vector<std::vector<double>>& rows, std::size_t n) {
    return rows.size() == n &&
           std::all_of(rows.begin(), rows.end(), [&](const auto& r) { return r.size() == n; });
}

}  // namespace

std::optional<DistribRefusal> DistribFact::CheckTogether(const std::vector<double>& values,
                                                         const std::vector<CString>& texts) const {
    const auto value = [&](std::size_t i) { return i < values.size() ? values[i] : 0.0; };
    const auto text = [&](std::size_t i) { return i < texts.size() ? texts[i] : CString(); };
    const auto fromFile = [&](std::size_t i) { return value(i) != 0; };
    const double first = value(0);
    // Counts past what any memory holds are no dimension to compare with.
    const std::size_t dimension = first >= 0 && first <= kInt ? static_cast<std::size_t>(first) : 0;
    const auto list = [&](std::size_t i) { return ParseNumberList(text(i)); };
    // A matrix parameter: square of the dimension (positive definite where it is a covariance), unless
    // it is read from a file.
    const auto matrixFits = [&](std::size_t i, bool definite) {
        if (fromFile(i))
            return true;
        const auto rows = ParseNumberMatrix(text(i));
        return rows && IsSquare(*rows, dimension) && (!definite || IsPositiveDefinite(*rows));
    };
    switch (together) {
        case Together::Ordered:
            if (!(value(0) < value(1)))
                return DistribRefusal{kBoundsRefused, 1};
            break;
        case Together::Triangular:
            if (!(value(0) < value(1)) || value(2) < value(0) || value(2) > value(1))
                return DistribRefusal{kTriangularRefused, 2};
            break;
        case Together::Hypergeometric:
            if (value(1) > value(0) || value(2) > value(0))
                return DistribRefusal{kCountsRefused, 1};
            break;
        case Together::Multinomial: {
            const auto p = list(2);
            bool valid = p && p->size() == static_cast<std::size_t>(std::max(0.0, std::min(value(1), 1e9)));
            double sum = 0;
            for (std::size_t i = 0; valid && i < p->size(); ++i) {
                valid = (*p)[i] >= 0 && (*p)[i] <= 1;
                sum += (*p)[i];
            }
            // Only what floating point loses in the sum of typed decimals (0.1 + 0.2 + 0.7).
            if (!valid || std::abs(sum - 1) > 1e-9)
                return DistribRefusal{kProbabilitiesRefused, 2};
            break;
        }
        case Together::Dirichlet: {
            const auto a = list(1);
            if (!a || a->size() != dimension ||
                !std::all_of(a->begin(), a->end(), [](double v) { return v > 0; }))
                return DistribRefusal{kParametersRefused, 1};
            break;
        }
        case Together::MultivariateNormal: {
            const auto means = list(1);
            if (!means || means->size() != dimension)
                return DistribRefusal{kMeansRefused, 1};
            if (!matrixFits(2, true))
                return DistribRefusal{kMatrixRefused, 2};
            break;
        }
        case Together::Wishart:
            if (value(1) < value(0))
                return DistribRefusal{kDegreesRefused, 1};
            if (!matrixFits(2, true))
                return DistribRefusal{kMatrixRefused, 2};
            if (!matrixFits(3, false))
                return DistribRefusal{kSquareRefused, 3};
            break;
        case Together::None:
            break;
    }
    return std::nullopt;
}

// ---- lists and matrices ------------------------------------------------------------------------------

namespace {

// The entries of a list or matrix text under `decimal`: each number's text (its decimal comma made a
// point) with the row it is in; nullopt when an entry is no number.
struct Entry {
    CString text;
    double value;
    std::size_t row;
};

std::optional<std::vector<Entry>> Entries(const CString& text, wchar_t decimal) {
    const bool commaSeparates = decimal != L',';
    std::vector<Entry> entries;
    std::size_t row = 0;
    CString token;
    const auto endToken = [&]() {
        if (token.IsEmpty())
            return true;
        const auto value = CGUIBaseDlg::ParseDouble(token, decimal);
        if (value) {
            token.Replace(L",", L".");
            entries.push_back({token, *value, row});
        }
        token.Empty();
        return value.has_value();
    };
    for (const wchar_t c : text.str()) {
        const bool rowEnd = c == L';' || c == L'\n';
        const bool blank = c == L' ' || c == L'\t' || c == L'\r' || (commaSeparates && c == L',');
        if (!rowEnd && !blank) {
            token += c;
            continue;
        }
        if (!endToken())
            return std::nullopt;
        // Empty rows are skipped.
        if (rowEnd && !entries.empty() && entries.back().row == row)
            ++row;
    }
    if (!endToken())
        return std::nullopt;
    return entries;
}

}  // namespace

std::optional<std::vector<std::vector<double>>> ParseNumberMatrix(const CString& text, wchar_t decimal) {
    const auto entries = Entries(text, decimal);
    if (!entries)
        return std::nullopt;
    std::vector<std::vector<double>> rows;
    for (const Entry& e : *entries) {
        if (rows.size() <= e.row)
            rows.resize(e.row + 1);
        rows[e.row].push_back(e.value);
    }
    return rows;
}

std::optional<std::vector<double>> ParseNumberList(const CString& text, wchar_t decimal) {
    if (text.Find(L';') >= 0 || text.Find(L'\n') >= 0)
        return std::nullopt;
    auto rows = ParseNumberMatrix(text, decimal);
    if (!rows)
        return std::nullopt;
    return rows->empty() ? std::vector<double>() : std::move(rows->front());
}

CString StoredNumberText(const CString& typed, wchar_t decimal) {
    const auto entries = Entries(typed, decimal);
    if (!entries)
        return typed;
    CString stored;
    for (std::size_t i = 0; i < entries->size(); ++i) {
        const Entry& e = (*entries)[i];
        if (i)
            stored += (*entries)[i - 1].row == e.row ? L" " : L"; ";
        stored += e.text;
    }
    return stored;
}

CString ShownNumberText(const CString& stored, wchar_t decimal) {
    // A text kept as it was typed (no list of numbers) is shown so too.
    if (decimal != L',' || !Entries(stored, L'.'))
        return stored;
    CString shown = stored;
    shown.Replace(L".", L",");
    return shown;
}

CString MatrixCommandText(const CString& stored, bool isFile) {
    if (isFile) {
        CString name = CString(stored).Trim();
        name.Replace(L"\"", L"\"\"");
        return L"\"" + name + L"\"";
    }
    const auto rows = ParseNumberMatrix(stored);
    if (!rows)
        return L"[" + CString(stored).Trim() + L"]";
    CString joined;
    for (std::size_t r = 0; r < rows->size(); ++r) {
        joined += r ? L"; " : L"";
        for (std::size_t i = 0; i < (*rows)[r].size(); ++i) {
            // A decimal point whatever the host's symbol: the line's commas separate the numbers.
            joined += (i ? L", " : L"") + CGUIBaseDlg::ExactPointNumberText((*rows)[r][i]);
        }
    }
    return L"[" + joined + L"]";
}
