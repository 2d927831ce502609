#pragma once

#include <string_view>

// The files of Resources/, embedded at build time. The table ends with a null path.
struct EmbeddedResource {
    const char* path;
    std::string_view bytes;
};

extern const EmbeddedResource kEmbeddedResources[];
