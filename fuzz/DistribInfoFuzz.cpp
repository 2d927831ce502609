// Distribution description files of any shape: the manager either offers the distributions a file
// names (each of the table of distributions) or refuses the file with a reason and offers nothing; the
// same bytes read from a file give the same answer. Then a distribution manager data archive of the
// same bytes loads only values that a dialog could have stored, or throws.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>

#include "TvkDlgBase/CDistribManager.h"

namespace {

void Require(bool holds) {
    if (!holds)
        std::abort();
}

const std::string& FilePath() {
    static const std::string path = "/tmp/DistribInfoFuzz-" + std::to_string(::getpid()) + ".ini";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > CDistribManager::kMaxFileBytes + 16)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    CDistribManager manager(nullptr);
    const int error = manager.ParseDistribInfo(text);
    Require((error != 0) == manager.GetInfo().empty());
    Require((error != 0) == !manager.GetReadError().IsEmpty());
    for (const auto& d : manager.GetInfo())
        Require(FindDistribFact(d.type) && d.parameters.size() <= CDistribManager::kMaxParameters);

    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc).write(text.data(), static_cast<long>(size));
    CDistribManager fromFile(nullptr);
    const bool read = fromFile.ReadDistribInfo(CString::FromUtf8(FilePath()));
    Require(size > CDistribManager::kMaxFileBytes ? !read : read == (error == 0));
    Require(fromFile.GetInfo().size() == (read ? manager.GetInfo().size() : 0));

    CDistribManagerData loaded;
    try {
        CArchive ar(std::span<const std::uint8_t>(data, size));
        loaded.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    }
    const int active = loaded.GetActiveType();
    Require(active == -1 || loaded.FindValues(active));
    for (const auto& [type, values] : loaded.AllValues()) {
        const DistribFact* fact = FindDistribFact(type);
        Require(fact && values.size() == fact->parameters.size());
        for (std::size_t i = 0; i < values.size(); ++i)
            Require(fact->parameters[i].Accepts(values[i]));
    }
    return 0;
}
