#include "Platform/CString.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <new>
#include <stdexcept>
#include <string>

CString::Rep* CString::Make(std::wstring_view text, std::size_t capacity) {
    if (capacity == 0)
        return nullptr;
    void* block = ::operator new(sizeof(Rep) + (capacity + 1) * sizeof(wchar_t));
    Rep* rep = new (block) Rep{{1}, text.size(), capacity};
    wchar_t* chars = Chars(rep);
    std::copy(text.begin(), text.end(), chars);
    chars[text.size()] = L'\0';
    chars[capacity] = L'\0';  // ReleaseBuffer's search for the end stops here at the latest
    return rep;
}

void CString::Release(Rep* rep) noexcept {
    if (rep && rep->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        rep->~Rep();
        ::operator delete(rep);
    }
}

CString::CString(wchar_t ch, int count) {
    const int n = std::max(count, 0);
    std::fill_n(GetBuffer(n), n, ch);
    ReleaseBuffer(n);
}

wchar_t CString::GetAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= Size())
        throw std::out_of_range("CString index " + std::to_string(index) + " outside a text of " +
                                std::to_string(Size()));
    return Chars(m_rep)[index];
}

wchar_t* CString::Unique(std::size_t capacity) {
    if (m_rep && m_rep->refs.load(std::memory_order_acquire) == 1 && m_rep->capacity >= capacity)
        return Chars(m_rep);
    Rep* rep = Make(str(), std::max(capacity, Size()));
    Release(m_rep);
    m_rep = rep;
    return m_rep ? Chars(m_rep) : nullptr;
}

wchar_t* CString::GetBuffer(int minLength) {
    const std::size_t length =
        std::max<std::size_t>(static_cast<std::size_t>(std::max(minLength, 0)), Size());
    if (length == 0) {
        static thread_local wchar_t none[1];  // room for the NUL only; the text stays empty
        return none;
    }
    return Unique(length);
}

void CString::ReleaseBuffer(int newLength) {
    if (!m_rep)
        return;
    wchar_t* chars = Chars(m_rep);
    std::size_t length = newLength < 0 ? std::wcslen(chars) : static_cast<std::size_t>(newLength);
    length = std::min(length, m_rep->capacity);
    m_rep->size = length;
    chars[length] = L'\0';
}

void CString::Reserve(std::size_t length) {
    if (length > Size())
        Unique(length);
}

CString& CString::Append(std::wstring_view text) {
    if (text.empty())
        return *this;
    const std::size_t size = Size();
    const std::size_t need = size + text.size();
    if (!m_rep || m_rep->refs.load(std::memory_order_acquire) != 1 || m_rep->capacity < need) {
        // Grows geometrically, so that a line built piece by piece is copied a few times only; the
        // old text stays alive until it is copied, in case `text` is part of it.
        Rep* rep = Make(str(), std::max(need, size + size / 2));
        std::copy(text.begin(), text.end(), Chars(rep) + size);
        Release(m_rep);
        m_rep = rep;
    } else {
        // Appending its own text is safe here: the copy goes past the end of what it reads.
        std::copy(text.begin(), text.end(), Chars(m_rep) + size);
    }
    m_rep->size = need;
    Chars(m_rep)[need] = L'\0';
    return *this;
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(str().substr(0, static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(str().substr(str().size() - static_cast<std::size_t>(count)));
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    const int rest = GetLength() - first;
    if (count < 0 || count > rest)
        count = rest;
    return CString(str().substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

int CString::Find(const CString& what, int start) const {
    if (start < 0 || start > GetLength())
        return -1;
    const auto pos = str().find(what.str(), static_cast<std::size_t>(start));
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(wchar_t what, int start) const {
    return Find(CString(what), start);
}

int CString::ReverseFind(wchar_t what) const {
    const auto pos = str().rfind(what);
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(const CString& from, const CString& to) {
    if (from.IsEmpty())
        return 0;
    std::wstring text(str());
    int count = 0;
    std::size_t pos = 0;
    while ((pos = text.find(from.str(), pos)) != std::wstring::npos) {
        text.replace(pos, from.str().size(), to.str());
        pos += to.str().size();
        ++count;
    }
    if (count > 0)
        *this = CString(text);
    return count;
}

CString& CString::TrimLeft() {
    const std::wstring_view text = str();
    const auto first = std::find_if(text.begin(), text.end(), [](wchar_t c) { return !std::iswspace(c); });
    if (first != text.begin())
        *this = Mid(static_cast<int>(first - text.begin()));
    return *this;
}

CString& CString::TrimRight() {
    std::size_t keep = Size();
    while (keep > 0 && std::iswspace(str()[keep - 1]))
        --keep;
    if (keep < Size())
        *this = Left(static_cast<int>(keep));
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::MakeUpper() {
    if (wchar_t* chars = Unique(Size()))
        std::transform(chars, chars + Size(), chars,
                       [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return *this;
}

CString& CString::MakeLower() {
    if (wchar_t* chars = Unique(Size()))
        std::transform(chars, chars + Size(), chars,
                       [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return *this;
}

std::string CString::ToUtf8() const {
    // ASCII, mostly: those characters are copied as they are until the first that is not.
    const std::wstring_view text = str();
    std::string out(text.size(), '\0');
    std::size_t ascii = 0;
    for (; ascii < text.size() && static_cast<char32_t>(text[ascii]) < 0x80; ++ascii)
        out[ascii] = static_cast<char>(text[ascii]);
    if (ascii == text.size())
        return out;
    out.resize(ascii);
    for (wchar_t wc : text.substr(ascii)) {
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
    return CString(out);
}
