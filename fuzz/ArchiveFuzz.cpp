// Loads record archives from untrusted bytes. The first byte picks the record class (its place in the
// registry), the rest is the archive. A load either throws CArchiveException and leaves the record as it
// was, or gives a record whose archive reads back to the same record.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "Platform/CArchive.h"
#include "Source/RecordRegistry.h"

namespace {

std::vector<std::uint8_t> Stored(CGUIBaseObj& record) {
    CArchive ar;
    record.Serialize(ar);
    return ar.GetBuffer();
}

[[noreturn]] void Broken(const char* record, const char* what) {
    std::fprintf(stderr, "%s: %s\n", record, what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& factories = RecordFactories();
    if (size == 0 || factories.empty())
        return 0;
    const RecordFactory& factory = factories[data[0] % factories.size()];

    auto record = factory.make();
    const auto untouched = Stored(*record);
    CArchive in(std::span(data + 1, size - 1));
    try {
        record->LoadFromArchive(in);
    } catch (const CArchiveException&) {
        if (Stored(*record) != untouched)
            Broken(factory.name, "a failed load changed the record");
        return 0;
    }

    const auto first = Stored(*record);
    auto again = factory.make();
    CArchive reread(first);
    try {
        again->LoadFromArchive(reread);
    } catch (const CArchiveException& e) {
        Broken(factory.name, e.what());
    }
    if (!reread.AtEnd())
        Broken(factory.name, "a stored record reads back shorter than it was stored");
    if (Stored(*again) != first)
        Broken(factory.name, "a stored record reads back to different bytes");
    return 0;
}
