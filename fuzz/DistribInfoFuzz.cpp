// Distribution description files of any shape: the manager either takes distributions that make
// sense (a type, a name, at most six parameters whose defaults are finite) or refuses the file and
// offers nothing; then a distribution manager data archive of the same bytes loads or throws.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "TvkDlgBase/CDistribManager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 16))
        return 0;
    CDistribManager manager(nullptr);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int error = manager.ParseDistribInfo(text);
    if (error != 0 && !manager.GetInfo().empty())
        std::abort();
    for (const auto& d : manager.GetInfo())
        if (d.type < 0 || d.nameIds == 0 || d.parameters.size() > CDistribManager::kMaxParameters)
            std::abort();
        else
            for (const auto& p : d.parameters)
                if (!std::isfinite(p.defaultValue) || p.label.IsEmpty())
                    std::abort();
    CDistribManagerData loaded;
    try {
        CArchive ar(std::span<const std::uint8_t>(data, size));
        loaded.Serialize(ar);
    } catch (const CArchiveException&) {
    }
    return 0;
}
