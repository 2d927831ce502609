#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Platform/CString.h"
#include "TvkApi.h"

// Thrown for every archive failure: a short or malformed input, or an operation in the wrong
// direction. The message says what was being read or written and at which byte offset.
class TVK_API CArchiveException : public std::runtime_error {
public:
    CArchiveException(const std::string& what, std::size_t offset);
    std::size_t GetOffset() const { return m_offset; }

private:
    std::size_t m_offset;
};

// A binary archive over a byte buffer, little-endian whatever the machine.
//
// Forms:
//  - int, unsigned int: 4 bytes; double: 8 bytes (IEEE 754).
//  - count: 2 bytes when below 0xFFFF, else 0xFFFF and 4 bytes.
//  - wide string: FF FE FF, then the length in UTF-16 code units (1 byte when below 255; else FF and
//    2 bytes when below 0xFFFE; else FF FF FF and 4 bytes), then the UTF-16LE code units; characters
//    outside the Basic Multilingual Plane take a surrogate pair.
//
// Loading never reads past the end and never reserves more than the remaining bytes could hold.
class TVK_API CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // An archive that stores into its own buffer.
    CArchive();
    // An archive that loads from a copy of the given bytes.
    explicit CArchive(std::span<const std::uint8_t> bytes);

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    const std::vector<std::uint8_t>& GetBuffer() const { return m_buffer; }
    std::size_t GetPosition() const { return m_position; }
    std::size_t GetRemaining() const { return m_buffer.size() - m_position; }
    // Room for `bytes` more when storing, so that a long list is not stored by repeated regrowth.
    void Reserve(std::size_t bytes) { m_buffer.reserve(m_buffer.size() + bytes); }
    bool AtEnd() const { return m_position == m_buffer.size(); }

    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteUInt8(std::uint8_t value);
    // Bytes as they are (a nested archive, say), one copy.
    void WriteBytes(std::span<const std::uint8_t> bytes);
    void WriteDouble(double value);
    void WriteCount(std::size_t count);
    void WriteString(const CString& text);

    // `what` names the field for the error message.
    std::int32_t ReadInt32(const char* what);
    std::uint32_t ReadUInt32(const char* what);
    std::uint16_t ReadUInt16(const char* what);
    std::uint8_t ReadUInt8(const char* what);
    // Passes over `bytes` bytes (a nested archive read elsewhere), refused where fewer are left.
    void Skip(std::size_t bytes, const char* what) {
        Need(bytes, what);
        m_position += bytes;
    }
    double ReadDouble(const char* what);
    // A count of elements of at least minElementBytes each; refused when the rest cannot hold them.
    std::size_t ReadCount(const char* what, std::size_t minElementBytes);
    CString ReadString(const char* what);

    // One call for both directions, in the order given. Types with a Serialize(CArchive&) member
    // serialize themselves.
    template <class... T>
    void Io(T&... fields) {
        (IoOne(fields), ...);
    }

    [[noreturn]] void Fail(const std::string& what) const;

    // What a text read from an archive is, so that a reader can hold each to the rule of its kind: a
    // plain text (a file name, a typed model or list), or a name in a list of variables of the data, of
    // terms of a loglinear model, or of things the module offers by their display name.
    enum class TextKind { Text, VariableName, ModelTerm, DisplayName };
    // Loading: a field read, noted for a reader that checks what it reads (see SetFieldLog).
    struct FieldRead {
        std::size_t offset;
        bool isText;  // a text; else a plain 4-byte integer option (a check, a combo or radio index)
        TextKind kind;
        CString text;
    };
    // Loading: every text and every plain integer option read from now on is noted in `log`.
    void SetFieldLog(std::vector<FieldRead>* log) { m_pFields = log; }
    // A name of the list being read: its kind is the list's (variables of the data, unless IoNames).
    CString ReadName(const char* what) { return ReadText(what, m_nameKind); }
    // As Io, for lists whose names are of another kind than variables of the data. Only the field log
    // tells the difference: the archive form is the same.
    template <class... T>
    void IoNames(TextKind kind, T&... lists) {
        struct Restore {
            CArchive& ar;
            TextKind was;
            ~Restore() { ar.m_nameKind = was; }
        } restore{*this, std::exchange(m_nameKind, kind)};
        Io(lists...);
    }

private:
    void IoOne(int& v) {
        if (IsStoring())
            return WriteInt32(v);
        if (m_pFields)
            m_pFields->push_back({m_position, false, TextKind::Text, {}});
        v = ReadInt32("int");
    }
    void IoOne(unsigned int& v) { IsStoring() ? WriteUInt32(v) : void(v = ReadUInt32("unsigned int")); }
    void IoOne(double& v) { IsStoring() ? WriteDouble(v) : void(v = ReadDouble("double")); }
    void IoOne(CString& v) { IsStoring() ? WriteString(v) : void(v = ReadString("string")); }
    template <class T>
    requires requires(T& t, CArchive& ar) { t.Serialize(ar); }
    void IoOne(T& v) { v.Serialize(*this); }

    CString ReadText(const char* what, TextKind kind);
    void RequireStoring(const char* what) const;
    // `what` and `suffix` together name the field; joined only for a message.
    void Need(std::size_t bytes, const char* what, const char* suffix = "") const {
        if (m_mode != load || GetRemaining() < bytes)
            Refuse(bytes, what, suffix);
    }
    [[noreturn]] void Refuse(std::size_t bytes, const char* what, const char* suffix) const;
    // The next `bytes` (at most 4) as a little-endian number.
    std::uint32_t Take(std::size_t bytes, const char* what, const char* suffix = "") {
        Need(bytes, what, suffix);
        std::uint32_t v = 0;
        for (std::size_t i = bytes; i-- > 0;)
            v = (v << 8) | m_buffer[m_position + i];
        m_position += bytes;
        return v;
    }
    void Put(const void* bytes, std::size_t count) {
        if (count == 0)
            return;  // an empty span's data may be null, which memcpy may not be given
        const std::size_t at = m_buffer.size();
        m_buffer.resize(at + count);
        std::memcpy(m_buffer.data() + at, bytes, count);
        m_position = m_buffer.size();
    }

    Mode m_mode;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_position = 0;
    std::vector<FieldRead>* m_pFields = nullptr;
    TextKind m_nameKind = TextKind::VariableName;
};
