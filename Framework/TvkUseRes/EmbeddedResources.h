#pragma once

#include <string_view>
#include <vector>

#include "TvkApi.h"

// A file embedded into a library at build time (cmake/EmbedResources.cmake). Tables end with a null path.
struct EmbeddedResource {
    const char* path;
    std::string_view bytes;
};

// A library lends its embedded files to the framework's resource tables for as long as it is loaded:
// the module registers its templates, strings, menus, help and description files this way, so that a
// new template rebuilds the module alone. Where two loaded copies of a library hold the same path, the
// first registered answers for it.
class TVK_API EmbeddedResourceRegistration {
public:
    explicit EmbeddedResourceRegistration(const EmbeddedResource* table);
    ~EmbeddedResourceRegistration();
    EmbeddedResourceRegistration(const EmbeddedResourceRegistration&) = delete;
    EmbeddedResourceRegistration& operator=(const EmbeddedResourceRegistration&) = delete;

private:
    const EmbeddedResource* m_table;
};

// Every registered file, each path once, in the order of registration and then of its table.
TVK_API std::vector<const EmbeddedResource*> RegisteredResources();
TVK_API const EmbeddedResource* FindRegisteredResource(std::string_view path);
// Changes whenever a table comes or goes, for what is computed from the registered files.
TVK_API unsigned RegisteredResourcesGeneration();

// The file of a path in one table; null when it has none.
TVK_API const EmbeddedResource* FindInTable(const EmbeddedResource* table, std::string_view path);
