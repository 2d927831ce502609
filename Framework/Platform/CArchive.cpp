#include "Platform/CArchive.h"

#include <bit>
#include <cstring>
#include <limits>

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

void CArchive::Refuse(std::size_t bytes, const char* what, const char* suffix) const {
    if (!IsLoading())
        Fail(std::string("cannot read ") + what + suffix + " from an archive that is storing");
    Fail(std::string("archive ends while reading ") + what + suffix + " (" + std::to_string(bytes) +
         " bytes needed, " + std::to_string(GetRemaining()) + " left)");
}

void CArchive::WriteUInt8(std::uint8_t value) {
    RequireStoring("a byte");
    Put(&value, 1);
}

void CArchive::WriteBytes(std::span<const std::uint8_t> bytes) {
    RequireStoring("bytes");
    Put(bytes.data(), bytes.size());
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

// A character as UTF-16 code units; anything beyond Unicode becomes U+FFFD.
inline char32_t CodePoint(wchar_t wc) {
    const auto c = static_cast<char32_t>(wc);
    return c > 0x10FFFF ? 0xFFFD : c;
}

}  // namespace

void CArchive::WriteString(const CString& text) {
    RequireStoring("a string");
    const std::wstring_view chars = text.str();
    std::size_t n = 0;
    for (wchar_t wc : chars)
        n += CodePoint(wc) >= 0x10000 ? 2 : 1;

    std::uint8_t header[10] = {0xFF, 0xFE, 0xFF};
    std::size_t headerBytes = 3;
    if (n < 0xFF) {
        header[headerBytes++] = static_cast<std::uint8_t>(n);
    } else if (n < 0xFFFE) {
        header[headerBytes++] = 0xFF;
        header[headerBytes++] = static_cast<std::uint8_t>(n);
        header[headerBytes++] = static_cast<std::uint8_t>(n >> 8);
    } else {
        if (n > 0xFFFFFFFFu)
            Fail("string of " + std::to_string(n) + " code units too long for the archive");
        header[headerBytes++] = 0xFF;
        header[headerBytes++] = 0xFF;
        header[headerBytes++] = 0xFF;
        for (int i = 0; i < 4; ++i)
            header[headerBytes++] = static_cast<std::uint8_t>(n >> (8 * i));
    }
    // Header and code units go straight into the buffer: one resize for the whole text.
    const std::size_t at = m_buffer.size();
    m_buffer.resize(at + headerBytes + 2 * n);
    std::uint8_t* out = m_buffer.data() + at;
    std::memcpy(out, header, headerBytes);
    out += headerBytes;
    const auto unit = [&out](char32_t u) {
        *out++ = static_cast<std::uint8_t>(u);
        *out++ = static_cast<std::uint8_t>(u >> 8);
    };
    for (wchar_t wc : chars) {
        char32_t c = CodePoint(wc);
        if (c >= 0x10000) {
            c -= 0x10000;
            unit(0xD800 + (c >> 10));
            unit(0xDC00 + (c & 0x3FF));
        } else {
            unit(c);
        }
    }
    m_position = m_buffer.size();
}

std::uint8_t CArchive::ReadUInt8(const char* what) {
    return static_cast<std::uint8_t>(Take(1, what));
}

std::uint16_t CArchive::ReadUInt16(const char* what) {
    return static_cast<std::uint16_t>(Take(2, what));
}

std::uint32_t CArchive::ReadUInt32(const char* what) {
    return Take(4, what);
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
    return ReadText(what, TextKind::Text);
}

CString CArchive::ReadText(const char* what, TextKind kind) {
    const std::size_t start = m_position;
    // Field names for messages are put together only when something is wrong.
    if (Take(1, what, " marker") != 0xFF || Take(2, what, " marker") != 0xFFFE) {
        m_position = start;
        Fail(std::string("no wide-string marker FF FE FF for ") + what);
    }
    std::size_t n = Take(1, what, " length");
    if (n == 0xFF) {
        n = Take(2, what, " length");
        if (n == 0xFFFF)
            n = Take(4, what, " length");
    }
    if (n > GetRemaining() / 2 || n > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        const std::string message = "impossible length " + std::to_string(n) + " for " + what + " (only " +
                                    std::to_string(GetRemaining()) + " bytes left)";
        m_position = start;
        Fail(message);
    }

    // At most one character per code unit; surrogate pairs make it shorter.
    CString read;
    wchar_t* text = read.GetBuffer(static_cast<int>(n));
    const std::uint8_t* in = m_buffer.data() + m_position;
    const auto unit = [in](std::size_t i) -> char32_t { return in[2 * i] | (in[2 * i + 1] << 8); };
    std::size_t length = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            text[length++] = static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else {
            // An unpaired surrogate is kept as it is, so that a stored text reads back unchanged.
            text[length++] = static_cast<wchar_t>(u);
        }
    }
    read.ReleaseBuffer(static_cast<int>(length));
    m_position += 2 * n;
    if (m_pFields)
        m_pFields->push_back({start, true, kind, read});
    return read;
}
