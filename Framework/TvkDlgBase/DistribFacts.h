#pragma once

// What the module knows of each distribution, in one table keyed by the distribution's type: its
// parameters (label, kind, default, the check of each value alone), how its values are checked against
// one another, its command keyword and function stem, and the support of the probability calculator's
// value. The catalogue, the distribution manager (and so every description file, which only names the
// distributions a procedure offers), the panel of the procedures and the calculator all read it.

#include <optional>
#include <string_view>
#include <vector>

#include "HostApi/Numerics.h"
#include "Platform/CString.h"
#include "TvkApi.h"

class CGUIBaseDlg;
class CDataExchange;

// One parameter of a distribution.
struct TVK_API DistribParameter {
    enum class Check { Any, Positive, Unit, AtLeast, Above };
    // A number, or a text: a list of numbers, or a matrix (rows separated by ";" or line breaks) that
    // may instead be read from a file.
    enum class Kind { Number, List, Matrix };
    CString label;
    bool integer = false;
    Kind kind = Kind::Number;
    double defaultValue = 0;
    CString defaultText;  // of a list or matrix
    Check check = Check::Any;
    double bound = 0;  // of AtLeast and Above
    bool IsText() const { return kind != Kind::Number; }
    // The range text of the tool tip, e.g. "( 0.0 , +inf )".
    CString RangeText() const;
    // Whether a value stands alone: a whole number in the int range for an integer, and in the check's
    // range; a text's value is its switch, 0 (typed) or, for a matrix, 1 (from a file).
    bool Accepts(double value) const;
    // The dialog's range check of a typed value in edit `id` (the range message fails the exchange).
    void CheckRange(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT id, double value) const;
};

// The refusal of a distribution's values taken together: a message resource and the parameter (from 0)
// whose edit takes the focus.
struct DistribRefusal {
    UINT message = 0;
    int parameter = 0;
};

struct TVK_API DistribFact {
    // How the values are checked against one another.
    enum class Together {
        None,
        Ordered,             // lower below upper
        Triangular,          // lower below upper, the mode between them
        Hypergeometric,      // successes and sample size within the population
        Multinomial,         // one probability per category, summing to 1
        Dirichlet,           // one positive parameter per dimension
        MultivariateNormal,  // one mean per dimension, a symmetric positive definite covariance
        Wishart,             // degrees of freedom at least the dimension, square matrices (the scale SPD)
    };
    // Where the probability calculator's value x may lie (P1, P2, P3 the parameters).
    enum class Support {
        Anywhere,
        Between,          // P1 <= x <= P2
        UnitUpperClosed,  // 0 < x <= 1
        Positive,         // x > 0
        NonNegative,      // x >= 0
        AtLeastFirst,     // x >= P1
        OneToFirst,       // 1 <= x <= P1
        MeanNotNegative,  // refused when P1 < 0
        ZeroToFirst,      // 0 <= x <= P1
        Hypergeometric,   // max(0, P3 - P1 + P2) <= x <= min(P3, P2)
        AtLeastOne,       // x >= 1
        OneToFirstLess1,  // 1 <= x <= P1 - 1
    };

    NmsEnum::DISTRIB_TYPE type;
    const char* name;        // how a description file names it
    UINT nameIds;            // the string resource naming it in the manager's combo box
    int keywordIds;          // the string resource of its command keyword ("NORMAL = "); -1 for none
    const wchar_t* keyword;  // what a test line writes for it, parameters following; null for none
    bool discrete;
    std::vector<DistribParameter> parameters;
    bool multivariate = false;  // its values are vectors
    Together together = Together::None;
    Support support = Support::Anywhere;
    UINT supportMessage = 0;              // the refusal of a value outside the support
    const wchar_t* rangeText = nullptr;   // the value's range as shown, or
    UINT rangeIds = 0;                    // a string resource holding it; neither: not offered
    const wchar_t* plotSeparator = L",";  // between the parameters of the plot lines

    // The stem of the function names ("norm" for NORMAL): the keyword's id plus 300; -1 for none.
    int StemIds() const { return keywordIds < 0 ? -1 : keywordIds + 300; }
    // The value's range text in the calculator; empty when there is none.
    CString ValueRangeText() const;
    // The message refusing x as the calculator's value (formatted with the parameters); empty when the
    // support holds it.
    CString CheckValue(const std::vector<double>& p, double x) const;
    // What is wrong with values (and the stored texts of list and matrix parameters) taken together.
    std::optional<DistribRefusal> CheckTogether(const std::vector<double>& values,
                                                const std::vector<CString>& texts) const;
};

// The facts of a type; null for a type the table does not know.
TVK_API const DistribFact* FindDistribFact(int type);
// The facts of the distribution a description file names (any case); null for none.
TVK_API const DistribFact* FindDistribFact(std::string_view name);
TVK_API const std::vector<DistribFact>& AllDistribFacts();
// Whether parameter `index` (from 0) of `type` is a whole number (degrees of freedom, counts).
TVK_API bool IsIntegerParameter(int type, int index);

// ---- lists and matrices ------------------------------------------------------------------------------
// A typed list holds numbers separated by blanks (or by commas, unless the comma is the decimal symbol);
// a matrix its rows, separated by ";" or line breaks. What is kept is the stored form: the numbers as
// typed, each with a decimal point, one blank between them and "; " between rows, so that it means the
// same whichever decimal symbol reads it later.

// The numbers of a list's text under decimal symbol `decimal`; nullopt when an entry is no number. A
// matrix's text gives its rows (empty rows skipped), each such a list.
TVK_API std::optional<std::vector<double>> ParseNumberList(const CString& text, wchar_t decimal = L'.');
TVK_API std::optional<std::vector<std::vector<double>>> ParseNumberMatrix(const CString& text,
                                                                          wchar_t decimal = L'.');
// The stored form of a text typed under `decimal`; a text that is no list of numbers is kept as it is.
TVK_API CString StoredNumberText(const CString& typed, wchar_t decimal);
// The stored form as an edit shows it under `decimal`.
TVK_API CString ShownNumberText(const CString& stored, wchar_t decimal);
// A stored list's or matrix's text as command lines write it: "[1, 2, 3]", a matrix's rows
// "[1, 0; 0, 1]" (a list is a matrix of one row), every number with as many digits as it takes to read
// back the number typed; a file's name in double quotes, a quote inside doubled.
TVK_API CString MatrixCommandText(const CString& stored, bool isFile);
