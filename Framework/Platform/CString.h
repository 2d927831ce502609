#pragma once

#include <compare>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "TvkApi.h"

// A wide string with the members the module uses. Characters are full code points (wchar_t is 32 bits
// here); the archive converts to and from UTF-16 code units.
class TVK_API CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_str(text ? text : L"") {}
    CString(const wchar_t* text, std::size_t count) : m_str(text, count) {}
    CString(std::wstring text) : m_str(std::move(text)) {}
    CString(std::wstring_view text) : m_str(text) {}
    explicit CString(wchar_t ch, int count = 1)
        : m_str(count > 0 ? static_cast<std::size_t>(count) : 0, ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    operator const wchar_t*() const { return m_str.c_str(); }
    wchar_t GetAt(int index) const { return m_str.at(static_cast<std::size_t>(index)); }

    const std::wstring& str() const { return m_str; }
    std::wstring& str() { return m_str; }

    CString& operator+=(const CString& other) {
        m_str += other.m_str;
        return *this;
    }
    CString& operator+=(const wchar_t* other) {
        m_str += other;
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        m_str += ch;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const wchar_t* b) { return a += b; }
    friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) += b; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == b; }
    friend auto operator<=>(const CString& a, const CString& b) { return a.m_str <=> b.m_str; }

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
    std::wstring m_str;
};

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept { return std::hash<std::wstring>()(s.str()); }
};
