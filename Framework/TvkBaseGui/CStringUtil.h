#pragma once

#include <vector>

#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CCmdInfo.h"

// Text helpers on one text or on a record's lines.
//
// Index -1 is what the searches return for "no such line". ConcatStringAt with -1 does nothing (a
// clause has no line to join, so it is dropped); InsertStringAt with -1 appends the line at the end, so
// that a line with nowhere better to go is not lost. Indexes beyond the list behave as -1.
class TVK_API CStringUtil {
public:
    enum TrimMode { TrimBoth = 0, TrimLeft = 1, TrimRight = 2 };

    // Removes one trailing `ch` (after trailing blanks, which are kept out of the way and removed too).
    static void RemoveTrailingChar(CString& text, wchar_t ch);
    static void Trim(CString& text, int mode = TrimBoth);
    // True when the text holds nothing but blanks.
    static bool IsEmpty(const CString& text);
    static void GetStringLines(const CString& text, std::vector<CString>& lines);

    static int SearchString(const CLIST<CCmdInfo>& lines, const CString& keyword);
    static int SearchStringAtBeginning(const CLIST<CCmdInfo>& lines, const CString& keyword);
    static bool StringFoundAtIndex(const CLIST<CCmdInfo>& lines, const CString& keyword, int index);
    static void InsertStringAt(CLIST<CCmdInfo>& lines, const CString& text, int index, const void* reserved);
    // Appends separator (when not null) and text to line `index`.
    static void ConcatStringAt(CLIST<CCmdInfo>& lines, const CString& text, int index,
                               const wchar_t* separator);
    // Collapses "/ /" runs (a slash followed, after blanks, by another) into one and, with a non-zero
    // flag, removes a trailing slash; in every line of the list.
    static void RemoveRedundantSlash(CLIST<CCmdInfo>& lines, int removeTrailing);
};
