// Launching a dialog on wide data through the reference host: open a menu item, select every source
// variable, add them all to each list the source feeds and press OK, until the kernel has the lines.
// Ten times the variables should cost about ten times as long (at most eleven).
//
// The dialogs: autocorrelation (one list pair), the column statistics composite (its first page) and
// two-way tables (a composite whose source feeds two lists), each on data loaded for that launch; and
// the autocorrelation dialog reopened on the data it was last run on.
//
// The C library's allocator sizes what it hands back to the system by what a process has done so far,
// so a case's time depends on the cases run before it in the same process: for figures to compare, run
// each case alone (--benchmark_filter='^BM_LaunchAcfAddAll/100000/').

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Host/HostApp.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

namespace {

std::string ModulePath() {
    const char* env = std::getenv("TVKHOST_MODULE");
    return env ? env : DLGSTAT1_MODULE_PATH;
}

struct LaunchCase {
    UINT command;
    int page;  // of a composite; -1 for a plain dialog
    UINT source;
    std::vector<UINT> addButtons;
    // Where a variable may take one role only: the last variable goes from the first target (this list
    // and its remove button) to the second.
    UINT firstTarget = 0, removeButton = 0;
};

class AddEverythingDriver final : public IDialogDriver {
public:
    AddEverythingDriver(const LaunchCase& launch, std::wstring last)
        : m_launch(launch), m_last(std::move(last)) {}
    int Run(CGUIBaseDlg& dlg) override {
        if (m_launch.page >= 0)
            dlg.UserShowPage(m_launch.page);
        CGUIBaseDlg& shown = dlg.GetActiveControlsDialog();
        shown.UserSelectAll(m_launch.source);
        if (!m_launch.firstTarget) {
            for (UINT add : m_launch.addButtons)
                shown.UserClick(add);
        } else {
            shown.UserClick(m_launch.addButtons[0]);
            const CString last(m_last.c_str());
            shown.UserSelect(m_launch.firstTarget, {last});
            shown.UserClick(m_launch.removeButton);
            shown.UserSelect(m_launch.source, {last});
            shown.UserClick(m_launch.addButtons[1]);
        }
        return dlg.OnOK() ? IDOK : IDCANCEL;
    }

private:
    const LaunchCase& m_launch;
    std::wstring m_last;  // the last variable's name
};

// Whether a line names the variable as a word of its own.
bool Names(const std::wstring_view line, const std::wstring& name) {
    for (auto at = line.find(name); at != std::wstring_view::npos; at = line.find(name, at + 1)) {
        const auto end = at + name.size();
        if (at > 0 && line[at - 1] == L' ' && (end == line.size() || !std::iswdigit(line[end])))
            return true;
    }
    return false;
}

// A host with the module and `variables` synthetic variables (named V1, V2, ...); null, with the case
// skipped, when the module cannot be loaded. The module stays loaded between hosts, as in a session.
std::unique_ptr<HostApp> LoadedHost(benchmark::State& state, int variables, std::ostream& out) {
    static void* const module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        state.SkipWithError("the module cannot be loaded");
        return nullptr;
    }
    auto host = std::make_unique<HostApp>(out);
    host->LoadModule(ModulePath());
    host->Data().Synthetic(variables, 1000);
    return host;
}

// Whether a line the kernel received names the data's last variable.
bool Received(const HostApp& host, const std::wstring& last) {
    return std::any_of(host.KernelLog().begin(), host.KernelLog().end(),
                       [&](const CString& line) { return Names(line.str(), last); });
}

void Launch(benchmark::State& state, const LaunchCase& launch) {
    const int variables = static_cast<int>(state.range(0));
    const std::wstring last = L"V" + std::to_wstring(variables);
    AddEverythingDriver driver(launch, last);
    InstallDialogDriver(&driver);
    // The first launch of a process also grows the heap to the size a launch needs, page by page,
    // which whichever case ran first paid (up to five times a later launch at 100,000 variables).
    std::ostringstream warmUp;
    if (auto host = LoadedHost(state, variables, warmUp); host) {
        host->RouteCommand(launch.command);
        if (!Received(*host, last))
            state.SkipWithError("the kernel did not receive every variable");
    }
    for (auto _ : state) {  // none after an error above
        state.PauseTiming();
        std::ostringstream out;
        auto host = LoadedHost(state, variables, out);
        state.ResumeTiming();

        host->RouteCommand(launch.command);

        state.PauseTiming();
        const bool received = Received(*host, last);
        host.reset();
        state.ResumeTiming();
        if (!received) {
            state.SkipWithError("the kernel did not receive every variable");
            break;
        }
    }
    InstallDialogDriver(nullptr);
    state.counters["variables"] = variables;
}

const LaunchCase kAcf{1039, -1, 1004, {1001}};

void BM_LaunchAcfAddAll(benchmark::State& state) {
    Launch(state, kAcf);
}

void BM_LaunchColumnStatisticsAddAll(benchmark::State& state) {
    Launch(state, {1060, 0, 4741, {4732}});
}

void BM_LaunchTwoWayTablesAddAll(benchmark::State& state) {
    Launch(state, {1066, 0, 5504, {5495, 5494}, 5509, 5507});
}

// The autocorrelation dialog opened again on the same data, as between one run and the next: the
// record holds every variable from the opening before, so adding them all again finds nothing new.
void BM_ReopenAcfAddAll(benchmark::State& state) {
    const int variables = static_cast<int>(state.range(0));
    const std::wstring last = L"V" + std::to_wstring(variables);
    AddEverythingDriver driver(kAcf, last);
    InstallDialogDriver(&driver);
    std::ostringstream out;
    if (auto host = LoadedHost(state, variables, out); host) {
        host->RouteCommand(kAcf.command);  // the first opening
        for (auto _ : state)
            host->RouteCommand(kAcf.command);
        if (!Received(*host, last))
            state.SkipWithError("the kernel did not receive every variable");
    }
    InstallDialogDriver(nullptr);
    state.counters["variables"] = variables;
}

}  // namespace

BENCHMARK(BM_ReopenAcfAddAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LaunchAcfAddAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LaunchColumnStatisticsAddAll)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_LaunchTwoWayTablesAddAll)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
