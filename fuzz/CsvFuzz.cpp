// Data files of any shape: the CSV loader either loads variables that make sense (names by the host's
// rule) or refuses the file with a message naming the file and line, and never crashes. Rows are held
// to 4 KiB here, so that the fuzzer meets the limit.

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

#include "Host/HostData.h"
#include "Host/HostText.h"
#include "TvkBaseGui/CGUIDataVariable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 16))
        return 0;
    HostData host;
    host.Synthetic(2, 3);
    try {
        host.LoadCsvText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.csv", 4096);
    } catch (const HostError& e) {
        // Refused: the message names the file and the data is what it was.
        if (std::string_view(e.what()).rfind("fuzz.csv:", 0) != 0 || host.GetVariableCount() != 2 ||
            host.GetCaseCount() != 3)
            std::abort();
        return 0;
    }
    // Names that may go into command lines as they are, unique ignoring case.
    std::unordered_set<std::string> names;
    for (const auto& v : host.GetVariables()) {
        std::string name = v.name.ToUtf8();
        if (!IsValidVariableName(name))
            std::abort();
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!names.emplace(name).second || (v.type != kVariableTypeNumeric && v.type != kVariableTypeString))
            std::abort();
    }
    if (host.GetVariableCount() == 0 || host.GetCaseCount() < 0)
        std::abort();
    return 0;
}
