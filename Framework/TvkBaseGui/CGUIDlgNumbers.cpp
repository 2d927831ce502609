// Numbers as a dialog's edits show and read them.
#include "TvkBaseGui/CGUIDlgNumbers.h"

#include <algorithm>
#include <charconv>
#include <locale>
#include <sstream>
#include <string>

CString CGUIDlgNumbers::ExactPointNumberText(double value) {
    // -0 means 0 to every reader; a line never carries the sign.
    if (value == 0)
        value = 0;
    std::string text;
    for (int digits = 6; digits <= std::numeric_limits<double>::max_digits10; ++digits) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(digits);
        out << value;
        text = out.str();
        double back = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), back);
        if (ec == std::errc() && back == value)
            break;
    }
    return CString::FromUtf8(text);
}

CString CGUIDlgNumbers::ExactNumberText(double value) {
    return CGUIBaseObj::InHostSymbol(ExactPointNumberText(value));
}

std::optional<double> CGUIDlgNumbers::ParseDouble(const CString& text) {
    return ParseDouble(text, GetDecimalSymbol());
}

std::optional<double> CGUIDlgNumbers::ParseDouble(const CString& text, wchar_t decimal) {
    std::string s = CString(text).Trim().ToUtf8();
    if (decimal == L',')
        std::replace(s.begin(), s.end(), ',', '.');
    if (s.empty())
        return std::nullopt;
    if (s.front() == '+')
        s.erase(0, 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    // "nan" and "inf" parse, but no range check can judge them.
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> CGUIDlgNumbers::ParseInt(const CString& text, bool allowMinus) {
    std::string s = CString(text).Trim().ToUtf8();
    if (s.empty() || (!allowMinus && s.front() == '-'))
        return std::nullopt;
    if (s.front() == '+')
        s.erase(0, 1);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<unsigned int> CGUIDlgNumbers::ParseUnsigned(const CString& text) {
    std::string s = CString(text).Trim().ToUtf8();
    if (!s.empty() && s.front() == '+')
        s.erase(0, 1);
    unsigned int value = 0;
    // from_chars takes no sign for an unsigned type: "-1" fails rather than wrapping round.
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<double>> CGUIDlgNumbers::ParseNumberList(const CString& text) {
    std::vector<double> values;
    std::wistringstream in{std::wstring(text.str())};
    for (std::wstring word; in >> word;) {
        const auto value = ParseDouble(CString(word));
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}
