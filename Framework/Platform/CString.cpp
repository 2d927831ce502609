#include "Platform/CString.h"

#include <algorithm>
#include <cwctype>

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(m_str.size() - static_cast<std::size_t>(count)));
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    const int rest = GetLength() - first;
    if (count < 0 || count > rest)
        count = rest;
    return CString(m_str.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

int CString::Find(const CString& what, int start) const {
    if (start < 0 || start > GetLength())
        return -1;
    const auto pos = m_str.find(what.m_str, static_cast<std::size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(wchar_t what, int start) const {
    return Find(CString(what), start);
}

int CString::ReverseFind(wchar_t what) const {
    const auto pos = m_str.rfind(what);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(const CString& from, const CString& to) {
    if (from.IsEmpty())
        return 0;
    int count = 0;
    std::size_t pos = 0;
    while ((pos = m_str.find(from.m_str, pos)) != std::wstring::npos) {
        m_str.replace(pos, from.m_str.size(), to.m_str);
        pos += to.m_str.size();
        ++count;
    }
    return count;
}

CString& CString::TrimLeft() {
    const auto first = std::find_if(m_str.begin(), m_str.end(), [](wchar_t c) { return !std::iswspace(c); });
    m_str.erase(m_str.begin(), first);
    return *this;
}

CString& CString::TrimRight() {
    while (!m_str.empty() && std::iswspace(m_str.back()))
        m_str.pop_back();
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::MakeUpper() {
    for (auto& c : m_str)
        c = static_cast<wchar_t>(std::towupper(c));
    return *this;
}

CString& CString::MakeLower() {
    for (auto& c : m_str)
        c = static_cast<wchar_t>(std::towlower(c));
    return *this;
}

std::string CString::ToUtf8() const {
    std::string out;
    out.reserve(m_str.size());
    for (wchar_t wc : m_str) {
        auto c = static_cast<char32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

CString CString::FromUtf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size()) {
            out += static_cast<wchar_t>(0xFFFD);
            break;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cb = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((cb & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (cb & 0x3F);
        }
        // Overlong forms are refused too: a character has one encoding only.
        constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return CString(std::move(out));
}
