#pragma once

#include <memory>
#include <vector>

#include "TvkBaseGui/CGUIBaseObj.h"

// Every record class of the module, by name, so that tests and fuzz targets can go over all of them.
struct RecordFactory {
    const char* name;
    std::unique_ptr<CGUIBaseObj> (*make)();
};

// Sorted by name.
const std::vector<RecordFactory>& RecordFactories();

struct RecordRegistrar {
    RecordRegistrar(const char* name, std::unique_ptr<CGUIBaseObj> (*make)());
};

#define REGISTER_RECORD(Class)                             \
    static const RecordRegistrar s_recordRegistrar##Class( \
        #Class, []() -> std::unique_ptr<CGUIBaseObj> { return std::make_unique<Class>(); })
