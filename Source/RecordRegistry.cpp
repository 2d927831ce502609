#include "Source/RecordRegistry.h"

#include <algorithm>
#include <cstring>

namespace {

std::vector<RecordFactory>& Registry() {
    static std::vector<RecordFactory> factories;
    return factories;
}

}  // namespace

RecordRegistrar::RecordRegistrar(const char* name, std::unique_ptr<CGUIBaseObj> (*make)())
    : RecordRegistrar(name, make, nullptr, nullptr) {}

RecordRegistrar::RecordRegistrar(const char* name, std::unique_ptr<CGUIBaseObj> (*make)(),
                                 std::unique_ptr<CGUIBaseObj> (*copy)(const CGUIBaseObj&),
                                 void (*assign)(CGUIBaseObj&, const CGUIBaseObj&)) {
    auto& factories = Registry();
    const auto at =
        std::lower_bound(factories.begin(), factories.end(), name,
                         [](const RecordFactory& f, const char* n) { return std::strcmp(f.name, n) < 0; });
    factories.insert(at, RecordFactory{name, make, copy, assign});
}

const std::vector<RecordFactory>& RecordFactories() {
    return Registry();
}
