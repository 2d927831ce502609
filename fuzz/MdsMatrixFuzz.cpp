// Parses untrusted text as a typed starting configuration of multidimensional scaling. The rows come out
// in finitely many steps, each shorter than the text it came from; a row is correct for exactly the
// number of numbers it holds, when any; the single-line form is one line; a CONFIG line carries only
// numbers, as many rows as the check counts.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Private/MdsData.h"
#include "Private/MdsDlg.h"
#include "TvkBaseGui/CMatrixText.h"

namespace {

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// The numbers a correct row holds: its blank-separated words.
int CountWords(std::wstring_view row) {
    int words = 0;
    bool inWord = false;
    for (wchar_t c : row) {
        words += c != L' ' && !inWord;
        inWord = c != L' ';
    }
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each byte one character: the parser's alphabet is ASCII, the rest only has to be skipped.
    const std::wstring wide(data, data + size);
    std::wstring_view text = wide;
    while (!text.empty()) {
        const std::size_t before = text.size();
        const std::wstring_view row = CMdsConfigData::NextRow(text);
        if (text.size() >= before)
            Broken("a row left the text as long as it was");
        const int words = CountWords(row);
        for (int count = 0; count <= words + 1; ++count)
            if (CMdsConfigDlg::IsDimensionFormatCorrect(CString(row), count) && count != words)
                Broken("a row is correct for another count than its numbers");
    }
    CMdsConfigData config;
    config.ConfigEdit = CString(wide);
    const CString single = GetSingleLineMatrixString(config.GetConfigParseCommandsEdit());
    if (single.Find(L'\n') >= 0 || single.Find(L'\r') >= 0)
        Broken("the single-line form spans lines");
    // What a CONFIG line carries: numbers, blanks and row separators only, a row per counted row.
    for (int dimensions = 1; dimensions <= 3; ++dimensions) {
        const CString rows = config.GetCountedRowsText(dimensions);
        const std::size_t counted =
            CMdsConfigData::ForEachCountedRow(wide, dimensions, [](std::wstring_view) {});
        const std::wstring_view line = GetSingleLineMatrixString(rows).str();
        if (line.find_first_not_of(L"= ;-.0123456789") != std::wstring_view::npos)
            Broken("a CONFIG line carries a character of no number");
        if (!rows.IsEmpty() &&
            static_cast<std::size_t>(std::count(line.begin(), line.end(), L';')) + 1 != counted)
            Broken("a CONFIG line carries another number of rows than the check counts");
    }
    return 0;
}
