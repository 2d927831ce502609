#pragma once

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// The module library as the fuzz targets that drive the host load it: TVKHOST_MODULE, else the one of
// their build.
inline std::string FuzzModulePath() {
    if (const char* env = std::getenv("TVKHOST_MODULE"))
        return env;
#ifdef DLGSTAT1_MODULE_PATH
    return DLGSTAT1_MODULE_PATH;
#else
    // <build>/fuzz/<target>, with the module at <build>/libDlgStat1.so.
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return DLGSTAT1_LIBRARY_NAME;
    self[n] = '\0';
    return (std::filesystem::path(self).parent_path().parent_path() / DLGSTAT1_LIBRARY_NAME).string();
#endif
}
