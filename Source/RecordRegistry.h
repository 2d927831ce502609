#pragma once

#include <memory>
#include <type_traits>
#include <vector>

#include "TvkBaseGui/CGUIBaseObj.h"

// Every record class of the module, by name, so that tests and fuzz targets can go over all of them.
struct RecordFactory {
    const char* name;
    std::unique_ptr<CGUIBaseObj> (*make)();
    // The class's copy constructor and assignment, reached through the base (the arguments must be of
    // the class); null when the class has none.
    std::unique_ptr<CGUIBaseObj> (*copy)(const CGUIBaseObj& from) = nullptr;
    void (*assign)(CGUIBaseObj& to, const CGUIBaseObj& from) = nullptr;
};

// Sorted by name.
const std::vector<RecordFactory>& RecordFactories();

struct RecordRegistrar {
    RecordRegistrar(const char* name, std::unique_ptr<CGUIBaseObj> (*make)());
    RecordRegistrar(const char* name, std::unique_ptr<CGUIBaseObj> (*make)(),
                    std::unique_ptr<CGUIBaseObj> (*copy)(const CGUIBaseObj&),
                    void (*assign)(CGUIBaseObj&, const CGUIBaseObj&));
};

template <class Class>
constexpr auto RecordCopier() -> std::unique_ptr<CGUIBaseObj> (*)(const CGUIBaseObj&) {
    if constexpr (std::is_copy_constructible_v<Class>)
        return [](const CGUIBaseObj& from) -> std::unique_ptr<CGUIBaseObj> {
            return std::make_unique<Class>(dynamic_cast<const Class&>(from));
        };
    else
        return nullptr;
}

template <class Class>
constexpr auto RecordAssigner() -> void (*)(CGUIBaseObj&, const CGUIBaseObj&) {
    if constexpr (std::is_copy_assignable_v<Class>)
        return [](CGUIBaseObj& to, const CGUIBaseObj& from) {
            dynamic_cast<Class&>(to) = dynamic_cast<const Class&>(from);
        };
    else
        return nullptr;
}

#define REGISTER_RECORD(Class)                                                              \
    static const RecordRegistrar s_recordRegistrar##Class(                                  \
        #Class, []() -> std::unique_ptr<CGUIBaseObj> { return std::make_unique<Class>(); }, \
        RecordCopier<Class>(), RecordAssigner<Class>())
