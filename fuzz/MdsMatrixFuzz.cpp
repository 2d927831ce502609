// Parses untrusted text as a typed starting configuration of multidimensional scaling. The rows come out
// in finitely many steps, each shorter than the text it came from; a row is correct for exactly the
// number of numbers it holds, when any; the single-line form is one line.

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
    std::wstring wide(data, data + size);
    CString text(wide);
    while (!text.IsEmpty()) {
        const int before = text.GetLength();
        const CString row = CMdsConfigData::GetNextDimension(text);
        if (text.GetLength() >= before)
            Broken("a row left the text as long as it was");
        const int words = CountWords(row.str());
        for (int count = 0; count <= words + 1; ++count)
            if (CMdsConfigDlg::IsDimensionFormatCorrect(row, count) && count != words)
                Broken("a row is correct for another count than its numbers");
    }
    CMdsConfigData config;
    config.ConfigEdit = CString(wide);
    const CString single = GetSingleLineMatrixString(config.GetConfigParseCommandsEdit());
    if (single.Find(L'\n') >= 0 || single.Find(L'\r') >= 0)
        Broken("the single-line form spans lines");
    return 0;
}
