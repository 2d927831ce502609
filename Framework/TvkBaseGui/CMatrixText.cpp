#include "TvkBaseGui/CMatrixText.h"

#include <algorithm>
#include <string_view>

CString GetSingleLineMatrixString(const CString& matrix) {
    constexpr auto npos = std::wstring_view::npos;
    constexpr const wchar_t* kBlanks = L" \t\r";
    std::wstring_view text = matrix.str();
    CString out = L"= ";
    // At most the text, with "; " for each line feed.
    out.Reserve(2 + text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n')));
    bool firstRow = true;
    // Whole runs are found and copied at once: a matrix may hold millions of rows.
    while (!text.empty()) {
        const auto lineEnd = text.find(L'\n');
        std::wstring_view line = text.substr(0, lineEnd);
        text = lineEnd == npos ? std::wstring_view() : text.substr(lineEnd + 1);
        bool firstEntry = true;
        for (auto start = line.find_first_not_of(kBlanks); start != npos;
             start = line.find_first_not_of(kBlanks)) {
            line.remove_prefix(start);
            const auto end = line.find_first_of(kBlanks);
            if (!firstEntry)
                out += L' ';
            else if (!firstRow)
                out += L"; ";
            out.Append(line.substr(0, end));
            firstEntry = firstRow = false;
            line = end == npos ? std::wstring_view() : line.substr(end);
        }
    }
    return out;
}
