// Session scripts of any shape run against the reference host with the module loaded: whatever the
// script says, the host reports errors and never crashes. Each input is bounded: at most 4 KiB of
// script, data of at most 1000 variables and cases, no data files, and records saved and opened only
// in one file of the fuzzer's own.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "Host/HostApp.h"
#include "Host/HostScript.h"

namespace {

std::string ModulePath() {
    if (const char* env = std::getenv("TVKHOST_MODULE"))
        return env;
#ifdef DLGSTAT1_MODULE_PATH
    return DLGSTAT1_MODULE_PATH;
#else
    // <build>/fuzz/ScriptFuzz, with the module at <build>/libDlgStat1.so.
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return DLGSTAT1_LIBRARY_NAME;
    self[n] = '\0';
    return (std::filesystem::path(self).parent_path().parent_path() / DLGSTAT1_LIBRARY_NAME).string();
#endif
}

// Keeps the module loaded between inputs, so that each host's dlopen finds it loaded.
void* const g_module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);

const std::string g_recordFile = "/tmp/scriptfuzz-" + std::to_string(getpid()) + ".rec";
const struct RemoveRecordFile {
    ~RemoveRecordFile() { std::remove(g_recordFile.c_str()); }
} g_removeRecordFile;

// The script as the fuzzer may run it: lines that would read outside files or make huge data are
// dropped, and record files all become the fuzzer's own.
std::string Bounded(const std::string& script) {
    std::istringstream in(script);
    std::string out;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        std::vector<ScriptWord> words;
        try {
            words = SplitScriptLine(line, ++number);
        } catch (const ScriptError&) {
            out += line + "\n";  // stays malformed
            continue;
        }
        if (!words.empty() && words[0].text == "data") {
            const bool none = words.size() == 2 && words[1].text == "none";
            const bool synthetic = words.size() == 4 && words[1].text == "synthetic" &&
                                   words[2].text.size() <= 4 && words[3].text.size() <= 4 &&
                                   std::atoi(words[2].text.c_str()) <= 1000 &&
                                   std::atoi(words[3].text.c_str()) <= 1000;
            if (!none && !synthetic)
                continue;
        }
        if (!words.empty() && (words[0].text == "save" || words[0].text == "open") && words.size() == 2) {
            out += words[0].text + " " + g_recordFile + "\n";
            continue;
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!g_module || size > 4096)
        return 0;
    std::istringstream script(Bounded(std::string(reinterpret_cast<const char*>(data), size)));
    std::ostringstream out;
    std::ostringstream err;
    HostApp host(out);
    host.LoadModule(ModulePath());
    ScriptRunner runner(host, script, err, {"fuzz.tvs", {}, false, nullptr, {}});
    const int status = runner.RunScript();
    // A failed run says why; a successful one says nothing on the error stream.
    if ((status == 0) != err.str().empty())
        std::abort();
    return 0;
}
