#include "TvkBaseGui/CStringUtil.h"

#include <cwctype>
#include <string_view>

namespace {

bool ValidIndex(const CLIST<CCmdInfo>& lines, int index) {
    return index >= 0 && index < lines.GetCount();
}

// Whether a slash is followed, after blanks, by another.
bool HasSlashRun(std::wstring_view s) {
    for (std::size_t i = s.find(L'/'); i != std::wstring_view::npos; i = s.find(L'/', i + 1)) {
        const std::size_t next = s.find_first_not_of(L' ', i + 1);
        if (next != std::wstring_view::npos && s[next] == L'/')
            return true;
    }
    return false;
}

}  // namespace

void CStringUtil::RemoveTrailingChar(CString& text, wchar_t ch) {
    const std::wstring_view s = text.str();
    std::size_t end = s.size();
    while (end > 0 && std::iswspace(s[end - 1]))
        --end;
    // Cut in place, not copied: a line may name a million variables.
    if (end > 0 && s[end - 1] == ch) {
        text.GetBuffer(0);
        text.ReleaseBuffer(static_cast<int>(end - 1));
    }
}

void CStringUtil::Trim(CString& text, int mode) {
    if (mode == TrimLeft)
        text.TrimLeft();
    else if (mode == TrimRight)
        text.TrimRight();
    else
        text.Trim();
}

bool CStringUtil::IsEmpty(const CString& text) {
    CString t = text;
    return t.Trim().IsEmpty();
}

void CStringUtil::GetStringLines(const CString& text, std::vector<CString>& lines) {
    lines.clear();
    CString current;
    for (wchar_t c : text.str()) {
        if (c == L'\n') {
            lines.push_back(current);
            current.Empty();
        } else if (c != L'\r') {
            current += c;
        }
    }
    if (!current.IsEmpty())
        lines.push_back(current);
}

int CStringUtil::SearchString(const CLIST<CCmdInfo>& lines, const CString& keyword) {
    for (int i = 0; i < lines.GetCount(); ++i)
        if (lines[static_cast<std::size_t>(i)].GetCommand().Find(keyword) >= 0)
            return i;
    return -1;
}

int CStringUtil::SearchStringAtBeginning(const CLIST<CCmdInfo>& lines, const CString& keyword) {
    for (int i = 0; i < lines.GetCount(); ++i)
        if (lines[static_cast<std::size_t>(i)].GetCommand().Find(keyword) == 0)
            return i;
    return -1;
}

bool CStringUtil::StringFoundAtIndex(const CLIST<CCmdInfo>& lines, const CString& keyword, int index) {
    return ValidIndex(lines, index) && lines[static_cast<std::size_t>(index)].GetCommand().Find(keyword) >= 0;
}

void CStringUtil::InsertStringAt(CLIST<CCmdInfo>& lines, const CString& text, int index, const void*) {
    if (ValidIndex(lines, index))
        lines.insert(lines.begin() + index, CCmdInfo(text, 0));
    else
        lines.push_back(CCmdInfo(text, 0));
}

void CStringUtil::ConcatStringAt(CLIST<CCmdInfo>& lines, const CString& text, int index,
                                 const wchar_t* separator) {
    if (!ValidIndex(lines, index))
        return;
    CString& line = lines[static_cast<std::size_t>(index)].GetCommand();
    if (separator)
        line += separator;
    line += text;
}

void CStringUtil::RemoveRedundantSlash(CLIST<CCmdInfo>& lines, int removeTrailing) {
    for (auto& info : lines) {
        const std::wstring_view s = info.GetCommand().str();
        // Lines without such a run, most of them, are not copied.
        if (HasSlashRun(s)) {
            std::wstring out;
            out.reserve(s.size());
            for (std::size_t i = 0; i < s.size(); ++i) {
                if (s[i] == L'/') {
                    // Skip this slash when the next non-blank character is another slash.
                    std::size_t j = i + 1;
                    while (j < s.size() && s[j] == L' ')
                        ++j;
                    if (j < s.size() && s[j] == L'/') {
                        i = j - 1;
                        continue;
                    }
                }
                out += s[i];
            }
            info.GetCommand() = CString(std::move(out));
        }
        if (removeTrailing)
            RemoveTrailingChar(info.GetCommand(), L'/');
    }
}
