#pragma once

// Byte helpers for archive tests: build expected archives piece by piece and print them readably when
// a comparison fails.

#include <bit>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "Platform/CArchive.h"
#include "TvkBaseGui/CGUIDataVariable.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes& operator<<(Bytes& out, std::initializer_list<int> bytes) {
    for (int b : bytes)
        out.push_back(static_cast<std::uint8_t>(b));
    return out;
}

inline Bytes& AppendLe32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return out;
}

// The wide-string form of a text of UTF-16 code units.
inline Bytes& AppendWide(Bytes& out, const std::u16string& units) {
    out << std::initializer_list<int>{0xFF, 0xFE, 0xFF};
    const std::size_t n = units.size();
    if (n < 0xFF) {
        out.push_back(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        out << std::initializer_list<int>{0xFF, static_cast<int>(n & 0xFF), static_cast<int>(n >> 8)};
    } else {
        out << std::initializer_list<int>{0xFF, 0xFF, 0xFF};
        AppendLe32(out, static_cast<std::uint32_t>(n));
    }
    for (char16_t u : units)
        out << std::initializer_list<int>{u & 0xFF, u >> 8};
    return out;
}

// Everything a storing archive received from `serialize`.
template <class F>
Bytes StoreWith(F&& serialize) {
    CArchive ar;
    serialize(ar);
    return ar.GetBuffer();
}

template <class T>
Bytes Store(T& object) {
    return StoreWith([&](CArchive& ar) { object.Serialize(ar); });
}

// "0a 1b ..." for failure messages.
inline std::string Hex(const Bytes& bytes) {
    std::string text;
    char b[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(b, sizeof b, "%02x", bytes[i]);
        text += (i ? " " : "");
        text += b;
    }
    return text;
}

// The first `count` bytes, as a truncated archive to load from.
inline std::span<const std::uint8_t> Prefix(const Bytes& bytes, std::size_t count) {
    return std::span<const std::uint8_t>(bytes).first(count);
}

// Expected archives, field by field in the forms of the archive, written independently of CArchive.
class ExpectedArchive {
public:
    // The base part: format version 1 and the window state.
    ExpectedArchive& Base(int windowState = 1) { return Int(1).Int(windowState); }
    ExpectedArchive& Int(int v) {
        AppendLe32(m_bytes, static_cast<std::uint32_t>(v));
        return *this;
    }
    // A double as its IEEE 754 bit pattern.
    ExpectedArchive& Bits(std::uint64_t bits) {
        for (int i = 0; i < 8; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        return *this;
    }
    ExpectedArchive& Double(double v) { return Bits(std::bit_cast<std::uint64_t>(v)); }
    ExpectedArchive& Text(const std::u16string& text) {
        AppendWide(m_bytes, text);
        return *this;
    }
    // default mark, second mark, default value, value, last flag
    template <class T>
    ExpectedArchive& Holder(int defaultMark, int secondMark, T defaultValue, T value, int last) {
        Int(defaultMark).Int(secondMark);
        Number(defaultValue);
        Number(value);
        return Int(last);
    }
    struct Variable {
        std::u16string name;
        int type = kVariableTypeNumeric;
        int flags = 0;
    };
    ExpectedArchive& List(std::initializer_list<Variable> variables) {
        m_bytes << std::initializer_list<int>{static_cast<int>(variables.size()), 0};
        for (const auto& v : variables)
            Text(v.name).Int(v.type).Int(v.flags);
        return *this;
    }
    // The count form of a count below 0xFFFF: two bytes.
    ExpectedArchive& Count(int n) {
        m_bytes << std::initializer_list<int>{n & 0xFF, n >> 8};
        return *this;
    }
    const Bytes& bytes() const { return m_bytes; }

private:
    void Number(int v) { Int(v); }
    void Number(double v) { Double(v); }
    void Number(std::uint64_t bits) { Bits(bits); }
    Bytes m_bytes;
};
