#include "TvkBaseGui/CStringUtil.h"

namespace {

bool ValidIndex(const CLIST<CCmdInfo>& lines, int index) {
    return index >= 0 && index < lines.GetCount();
}

}  // namespace

void CStringUtil::RemoveTrailingChar(CString& text, wchar_t ch) {
    CString trimmed = text;
    trimmed.TrimRight();
    if (!trimmed.IsEmpty() && trimmed.GetAt(trimmed.GetLength() - 1) == ch)
        text = trimmed.Left(trimmed.GetLength() - 1);
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
        if (removeTrailing)
            RemoveTrailingChar(info.GetCommand(), L'/');
    }
}
