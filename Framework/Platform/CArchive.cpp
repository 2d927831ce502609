#include "Platform/CArchive.h"

#include <bit>
#include <cstring>

CArchiveException::CArchiveException(const std::string& what, std::size_t offset)
    : std::runtime_error(what + " at byte offset " + std::to_string(offset)), m_offset(offset) {}

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(std::span<const std::uint8_t> bytes)
    : m_mode(load), m_buffer(bytes.begin(), bytes.end()) {}

void CArchive::Fail(const std::string& what) const {
    throw CArchiveException(what, m_position);
}

void CArchive::RequireStoring(const char* what) const {
    if (!IsStoring())
        Fail(std::string("cannot write ") + what + " into an archive that is loading");
}

void CArchive::RequireLoading(const char* what) const {
    if (!IsLoading())
        Fail(std::string("cannot read ") + what + " from an archive that is storing");
}

void CArchive::Need(std::size_t bytes, const char* what) const {
    RequireLoading(what);
    if (GetRemaining() < bytes)
        Fail(std::string("archive ends while reading ") + what + " (" + std::to_string(bytes) +
             " bytes needed, " + std::to_string(GetRemaining()) + " left)");
}

void CArchive::Put(const void* bytes, std::size_t count) {
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    m_buffer.insert(m_buffer.end(), p, p + count);
    m_position = m_buffer.size();
}

void CArchive::WriteUInt8(std::uint8_t value) {
    RequireStoring("a byte");
    Put(&value, 1);
}

void CArchive::WriteUInt16(std::uint16_t value) {
    RequireStoring("a 16-bit value");
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    Put(b, 2);
}

void CArchive::WriteUInt32(std::uint32_t value) {
    RequireStoring("a 32-bit value");
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                               static_cast<std::uint8_t>(value >> 16),
                               static_cast<std::uint8_t>(value >> 24)};
    Put(b, 4);
}

void CArchive::WriteInt32(std::int32_t value) {
    WriteUInt32(static_cast<std::uint32_t>(value));
}

void CArchive::WriteDouble(double value) {
    RequireStoring("a double");
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::uint8_t b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    Put(b, 8);
}

void CArchive::WriteCount(std::size_t count) {
    RequireStoring("a count");
    if (count < 0xFFFF) {
        WriteUInt16(static_cast<std::uint16_t>(count));
    } else {
        if (count > 0xFFFFFFFFu)
            Fail("count " + std::to_string(count) + " too large for the archive");
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<std::uint32_t>(count));
    }
}

namespace {

std::u16string ToUtf16(const CString& text) {
    std::u16string units;
    units.reserve(text.str().size());
    for (wchar_t wc : text.str()) {
        auto c = static_cast<char32_t>(wc);
        if (c > 0x10FFFF)
            c = 0xFFFD;
        if (c >= 0x10000) {
            c -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (c >> 10));
            units += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
    }
    return units;
}

CString FromUtf16(const std::u16string& units) {
    std::wstring text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            const char32_t c =
                0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            text += static_cast<wchar_t>(c);
            ++i;
        } else {
            // An unpaired surrogate is kept as it is, so that a stored text reads back unchanged.
            text += static_cast<wchar_t>(u);
        }
    }
    return CString(std::move(text));
}

}  // namespace

void CArchive::WriteString(const CString& text) {
    RequireStoring("a string");
    const std::u16string units = ToUtf16(text);
    const std::size_t n = units.size();
    WriteUInt8(0xFF);
    WriteUInt16(0xFFFE);
    if (n < 0xFF) {
        WriteUInt8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteUInt8(0xFF);
        WriteUInt16(static_cast<std::uint16_t>(n));
    } else {
        if (n > 0xFFFFFFFFu)
            Fail("string of " + std::to_string(n) + " code units too long for the archive");
        WriteUInt8(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<std::uint32_t>(n));
    }
    for (char16_t u : units)
        WriteUInt16(static_cast<std::uint16_t>(u));
}

std::uint8_t CArchive::ReadUInt8(const char* what) {
    Need(1, what);
    return m_buffer[m_position++];
}

std::uint16_t CArchive::ReadUInt16(const char* what) {
    Need(2, what);
    const auto v = static_cast<std::uint16_t>(m_buffer[m_position] | (m_buffer[m_position + 1] << 8));
    m_position += 2;
    return v;
}

std::uint32_t CArchive::ReadUInt32(const char* what) {
    Need(4, what);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | m_buffer[m_position + static_cast<std::size_t>(i)];
    m_position += 4;
    return v;
}

std::int32_t CArchive::ReadInt32(const char* what) {
    return static_cast<std::int32_t>(ReadUInt32(what));
}

double CArchive::ReadDouble(const char* what) {
    Need(8, what);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | m_buffer[m_position + static_cast<std::size_t>(i)];
    m_position += 8;
    return std::bit_cast<double>(bits);
}

std::size_t CArchive::ReadCount(const char* what, std::size_t minElementBytes) {
    const std::size_t start = m_position;
    std::size_t count = ReadUInt16(what);
    if (count == 0xFFFF)
        count = ReadUInt32(what);
    if (minElementBytes > 0 && count > GetRemaining() / minElementBytes) {
        const std::string message = std::string("impossible count ") + std::to_string(count) + " for " +
                                    what + " (only " + std::to_string(GetRemaining()) + " bytes left)";
        m_position = start;
        Fail(message);
    }
    return count;
}

CString CArchive::ReadString(const char* what) {
    const std::size_t start = m_position;
    const std::string field(what);
    if (ReadUInt8((field + " marker").c_str()) != 0xFF || ReadUInt16((field + " marker").c_str()) != 0xFFFE) {
        m_position = start;
        Fail("no wide-string marker FF FE FF for " + field);
    }
    std::size_t n = ReadUInt8((field + " length").c_str());
    if (n == 0xFF) {
        n = ReadUInt16((field + " length").c_str());
        if (n == 0xFFFF)
            n = ReadUInt32((field + " length").c_str());
    }
    if (n > GetRemaining() / 2) {
        const std::string message = "impossible length " + std::to_string(n) + " for " + field + " (only " +
                                    std::to_string(GetRemaining()) + " bytes left)";
        m_position = start;
        Fail(message);
    }
    std::u16string units(n, u'\0');
    for (std::size_t i = 0; i < n; ++i)
        units[i] =
            static_cast<char16_t>(m_buffer[m_position + 2 * i] | (m_buffer[m_position + 2 * i + 1] << 8));
    m_position += 2 * n;
    return FromUtf16(units);
}
