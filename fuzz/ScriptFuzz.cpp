// Session scripts of any shape run against the reference host with the module loaded: whatever the
// script says, the host reports errors (and only notes when it succeeds) and never crashes. Each input is
// bounded: at most 4 KiB of script, data of at most 1000 variables and cases, no data files, and records
// saved and opened only in one file of the fuzzer's own, which each input starts without.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "FuzzModule.h"
#include "Host/HostApp.h"
#include "Host/HostScript.h"
#include "Host/HostText.h"

namespace {

// Keeps the module loaded between inputs, so that each host's dlopen finds it loaded.
void* const g_module = dlopen(FuzzModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);

// In memory where the machine offers it: a save syncs its file to disk, and on disk the syncs cost a
// tenth of the campaign.
const std::string g_recordFile = (std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") +
                                 ("/scriptfuzz-" + std::to_string(getpid()) + ".rec");
const struct RemoveRecordFile {
    ~RemoveRecordFile() { std::remove(g_recordFile.c_str()); }
} g_removeRecordFile;

// The script as the fuzzer may run it: lines that would read outside files or make huge data are
// dropped, and record files all become the fuzzer's own. Lines are split as the host splits them.
std::string Bounded(const std::string& script) {
    TextBuf buf(script);
    ByteReader in(buf);
    const ByteOrderMark mark = in.ReadByteOrderMark();
    if (mark == ByteOrderMark::Utf16 || mark == ByteOrderMark::Utf32)
        return script;  // refused before its first line
    std::string out;
    int number = 0;
    for (std::string line;;) {
        const ByteReader::LineStatus status = in.ReadLine(line);
        if (status == ByteReader::LineStatus::End)
            break;
        if (status != ByteReader::LineStatus::Line) {
            out += std::string(1, '\0') + "\n";  // the script stops here
            break;
        }
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
    // Each input starts without the record file: one that opened what an earlier input saved could not
    // be replayed alone, and would read a whole store at every open.
    std::remove(g_recordFile.c_str());
    std::istringstream script(Bounded(std::string(reinterpret_cast<const char*>(data), size)));
    std::ostringstream out;
    std::ostringstream err;
    HostApp host(out);
    host.LoadModule(FuzzModulePath());
    ScriptRunner runner(host, script, err, {"fuzz.tvs", {}, false, nullptr, {}});
    const int status = runner.RunScript();
    // A failed run says why; a successful one writes only notes on controls it could not reach.
    std::istringstream notes(err.str());
    for (std::string line; std::getline(notes, line);)
        if (status == 0 && !line.ends_with("; nothing happens"))
            std::abort();
    if (status != 0 && err.str().empty())
        std::abort();
    return 0;
}
