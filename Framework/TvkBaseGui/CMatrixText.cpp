#include "TvkBaseGui/CMatrixText.h"

#include <string>

CString GetSingleLineMatrixString(const CString& matrix) {
    std::wstring out = L"= ";
    bool firstRow = true;
    std::wstring row;
    const auto endRow = [&] {
        if (row.empty())
            return;
        if (!firstRow)
            out += L"; ";
        out += row;
        firstRow = false;
        row.clear();
    };
    bool gap = false;
    for (const wchar_t c : matrix.str()) {
        if (c == L'\n') {
            endRow();
            gap = false;
        } else if (c == L' ' || c == L'\t' || c == L'\r') {
            gap = !row.empty();
        } else {
            if (gap)
                row += L' ';
            row += c;
            gap = false;
        }
    }
    endRow();
    return CString(out);
}
