#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>
#include <vector>

#include "HostApi/HostServices.h"
#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// The bound of a range open above or below: the check ignores it (its mode is eNoValidation).
inline constexpr int kNoMaximum = std::numeric_limits<int>::max();

// How a range check treats one bound: no bound, inclusive (fails beyond it), exclusive (fails at it).
enum EDlgValidation { eNoValidation = 0, eInclusive = 1, eExclusive = 2 };

// Numbers as a dialog's edits show and read them, and the ranges they are judged by.
class TVK_API CGUIDlgNumbers {
public:
    // The range message, e.g. "Enter a number in [1, 19]" or "Enter a number in (0, +inf)"; the bounds
    // are separated by "; " under a comma decimal symbol. With a non-zero `show` the framework also
    // shows it in a message box.
    template <class T>
    static CString TKMinMaxRangeMsg(T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode,
                                    int show);

    // Number display: as a stream writes it, "." turned into "," under a comma decimal symbol.
    template <class T>
    static CString NumberText(T value) {
        return CGUIBaseObj::NumberText(value);
    }
    // A number the user gave, shown again: in the same form, with as many digits (six at least) as it
    // takes to read back the same number, never with the sign of a zero. The point form is what lines
    // carry whatever the host's symbol.
    static CString ExactPointNumberText(double value);
    static CString ExactNumberText(double value);
    // Parses an edit's text as a finite number under the host's decimal symbol (or `decimal`); nullopt
    // otherwise.
    static std::optional<double> ParseDouble(const CString& text);
    static std::optional<double> ParseDouble(const CString& text, wchar_t decimal);
    static std::optional<int> ParseInt(const CString& text, bool allowMinus = true);
    // The whole range of an unsigned holder, [0, 4294967295]; no sign.
    static std::optional<unsigned int> ParseUnsigned(const CString& text);
    // Numbers typed as a list, separated by blanks, each as ParseDouble reads it; nullopt when a word is
    // no number (an empty text is an empty list).
    static std::optional<std::vector<double>> ParseNumberList(const CString& text);

protected:
    template <class T>
    static bool InRange(T value, T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode);

private:
    template <class T>
    static CString BoundText(T value, EDlgValidation mode, bool lower);
};

template <class T>
CString CGUIDlgNumbers::BoundText(T value, EDlgValidation mode, bool lower) {
    if (mode == eNoValidation)
        return lower ? L"-inf" : L"+inf";
    return NumberText(value);
}

template <class T>
CString CGUIDlgNumbers::TKMinMaxRangeMsg(T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode,
                                         int show) {
    CString text = L"Enter a number in ";
    text += minMode == eInclusive ? L"[" : L"(";
    text += BoundText(minimum, minMode, true);
    // Under a comma decimal symbol a comma between the bounds would read as part of a number.
    text += GetDecimalSymbol() == L',' ? L"; " : L", ";
    text += BoundText(maximum, maxMode, false);
    text += maxMode == eInclusive ? L"]" : L")";
    if (show)
        TKMessageBox(text);
    return text;
}

// A subnormal number (below 2.2e-308 in size) counts as 0: it holds too few digits to compute with, so
// it fails "> 0" and "(0, 1)" as 0 does, and passes where 0 passes.
template <class T>
bool CGUIDlgNumbers::InRange(T value, T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode) {
    if (minMode != eNoValidation && maxMode != eNoValidation && minimum > maximum)
        return false;
    if constexpr (std::is_floating_point_v<T>)
        if (std::fpclassify(value) == FP_SUBNORMAL)
            value = 0;
    const bool low =
        (minMode == eInclusive && value < minimum) || (minMode == eExclusive && value <= minimum);
    const bool high =
        (maxMode == eInclusive && value > maximum) || (maxMode == eExclusive && value >= maximum);
    return !low && !high;
}
