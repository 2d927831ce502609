// Data files of any shape: the CSV loader either loads variables that make sense or refuses the file
// with a message naming the file and line, and never crashes.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

#include "Host/HostData.h"
#include "TvkBaseGui/CGUIDataVariable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 16))
        return 0;
    HostData host;
    host.Synthetic(2, 3);
    try {
        host.LoadCsvText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.csv");
    } catch (const HostError& e) {
        // Refused: the message names the file and the data is what it was.
        if (std::string_view(e.what()).rfind("fuzz.csv:", 0) != 0 || host.GetVariableCount() != 2 ||
            host.GetCaseCount() != 3)
            std::abort();
        return 0;
    }
    std::unordered_set<std::wstring> names;
    for (const auto& v : host.GetVariables())
        if (v.name.IsEmpty() || !names.emplace(v.name.str()).second ||
            (v.type != kVariableTypeNumeric && v.type != kVariableTypeString))
            std::abort();
    if (host.GetVariableCount() == 0 || host.GetCaseCount() < 0)
        std::abort();
    return 0;
}
