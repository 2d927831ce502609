#include "TvkUseRes/EmbeddedResources.h"

#include <algorithm>
#include <mutex>
#include <set>

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<const EmbeddedResource*> tables;
    unsigned generation = 0;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

EmbeddedResourceRegistration::EmbeddedResourceRegistration(const EmbeddedResource* table) : m_table(table) {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    r.tables.push_back(table);
    ++r.generation;
}

EmbeddedResourceRegistration::~EmbeddedResourceRegistration() {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    r.tables.erase(std::find(r.tables.begin(), r.tables.end(), m_table));
    ++r.generation;
}

std::vector<const EmbeddedResource*> RegisteredResources() {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    std::vector<const EmbeddedResource*> files;
    std::set<std::string_view> seen;
    for (const EmbeddedResource* table : r.tables)
        for (const EmbeddedResource* file = table; file->path; ++file)
            if (seen.insert(file->path).second)
                files.push_back(file);
    return files;
}

const EmbeddedResource* FindRegisteredResource(std::string_view path) {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    for (const EmbeddedResource* table : r.tables)
        if (const EmbeddedResource* file = FindInTable(table, path))
            return file;
    return nullptr;
}

unsigned RegisteredResourcesGeneration() {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    return r.generation;
}

const EmbeddedResource* FindInTable(const EmbeddedResource* table, std::string_view path) {
    for (; table->path; ++table)
        if (table->path == path)
            return table;
    return nullptr;
}
