#pragma once

#include <atomic>
#include <compare>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "TvkApi.h"

// A wide string with the members the module uses. Characters are full code points (wchar_t is 32 bits
// here); the archive converts to and from UTF-16 code units.
//
// Copies share their text until one of them changes it, and a text is one allocation, counts and
// characters together: variable lists of hundreds of thousands of names pass from the data to the
// record, the dialog and its controls and back, and each of those copies would otherwise allocate
// every name again.
class TVK_API CString {
public:
    CString() noexcept = default;
    CString(const wchar_t* text) : CString(std::wstring_view(text ? text : L"")) {}
    CString(const wchar_t* text, std::size_t count) : CString(std::wstring_view(text, count)) {}
    CString(const std::wstring& text) : CString(std::wstring_view(text)) {}
    CString(std::wstring_view text) : m_rep(Make(text, text.size())) {}
    explicit CString(wchar_t ch, int count = 1);
    CString(const CString& other) noexcept : m_rep(other.m_rep) { AddRef(m_rep); }
    CString(CString&& other) noexcept : m_rep(std::exchange(other.m_rep, nullptr)) {}
    CString& operator=(const CString& other) noexcept {
        if (m_rep != other.m_rep)  // a list assigned over its own copy touches no count
            CString(other).Swap(*this);
        return *this;
    }
    CString& operator=(CString&& other) noexcept {
        CString(std::move(other)).Swap(*this);
        return *this;
    }
    ~CString() { Release(m_rep); }
    void Swap(CString& other) noexcept { std::swap(m_rep, other.m_rep); }

    int GetLength() const { return static_cast<int>(Size()); }
    bool IsEmpty() const { return Size() == 0; }
    void Empty() { CString().Swap(*this); }
    const wchar_t* GetString() const { return m_rep ? Chars(m_rep) : L""; }
    operator const wchar_t*() const { return GetString(); }
    // An index outside the text is an out-of-range error.
    wchar_t GetAt(int index) const;

    std::wstring_view str() const { return {GetString(), Size()}; }
    // Room for `length` characters without another allocation.
    void Reserve(std::size_t length);
    // As the MFC pair: a writable, unshared buffer of at least `minLength` characters, then the length
    // the text ends at (-1: at its first NUL).
    wchar_t* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    CString& operator+=(const CString& other) {
        if (IsEmpty())
            return *this = other;
        return Append(other.str());
    }
    CString& operator+=(const wchar_t* other) {
        return Append(other ? std::wstring_view(other) : std::wstring_view());
    }
    CString& operator+=(wchar_t ch) { return Append(std::wstring_view(&ch, 1)); }
    CString& Append(std::wstring_view text);
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const wchar_t* b) { return a += b; }
    friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) += b; }
    friend bool operator==(const CString& a, const CString& b) {
        return a.m_rep == b.m_rep || a.str() == b.str();
    }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.str() == std::wstring_view(b); }
    friend auto operator<=>(const CString& a, const CString& b) { return a.str() <=> b.str(); }

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first, int count = -1) const;
    // -1 when not found, as the MFC member.
    int Find(const CString& what, int start = 0) const;
    int Find(wchar_t what, int start = 0) const;
    int ReverseFind(wchar_t what) const;
    int Replace(const CString& from, const CString& to);
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& MakeUpper();
    CString& MakeLower();

    // Narrow (UTF-8) form, for output and file names.
    std::string ToUtf8() const;
    static CString FromUtf8(std::string_view text);

private:
    // The characters, NUL-terminated, follow the counts in the same allocation.
    struct Rep {
        std::atomic<std::size_t> refs;
        std::size_t size;
        std::size_t capacity;
    };
    static wchar_t* Chars(Rep* rep) { return reinterpret_cast<wchar_t*>(rep + 1); }
    // Null for an empty text.
    static Rep* Make(std::wstring_view text, std::size_t capacity);
    static void AddRef(Rep* rep) {
        if (rep)
            rep->refs.fetch_add(1, std::memory_order_relaxed);
    }
    static void Release(Rep* rep) noexcept;
    std::size_t Size() const { return m_rep ? m_rep->size : 0; }
    // The characters to change in place, no longer shared, with room for `capacity`.
    wchar_t* Unique(std::size_t capacity);

    Rep* m_rep = nullptr;
};

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept {
        return std::hash<std::wstring_view>()(s.str());
    }
};
