// Launching a dialog on wide data through the reference host: open the autocorrelation item, select
// every source variable, add them all and press OK, until the kernel has the line. Ten times the
// variables should cost about ten times as long (at most twelve).

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "Host/HostApp.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

namespace {

std::string ModulePath() {
    const char* env = std::getenv("TVKHOST_MODULE");
    return env ? env : DLGSTAT1_MODULE_PATH;
}

class AddEverythingDriver final : public IDialogDriver {
public:
    int Run(CGUIBaseDlg& dlg) override {
        dlg.UserSelectAll(1004);
        dlg.UserClick(1001);
        return dlg.OnOK() ? IDOK : IDCANCEL;
    }
};

void BM_LaunchAcfAddAll(benchmark::State& state) {
    static void* const module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);  // loaded once
    if (!module) {
        state.SkipWithError("the module cannot be loaded");
        return;
    }
    const int variables = static_cast<int>(state.range(0));
    AddEverythingDriver driver;
    InstallDialogDriver(&driver);
    for (auto _ : state) {
        state.PauseTiming();
        std::ostringstream out;
        auto host = std::make_unique<HostApp>(out);
        host->LoadModule(ModulePath());
        host->Data().Synthetic(variables, 1000);
        state.ResumeTiming();

        host->RouteCommand(1039);

        state.PauseTiming();
        const auto& log = host->KernelLog();
        const std::wstring last = L" V" + std::to_wstring(variables);
        if (log.size() != 2 || !log[1].str().ends_with(last))
            state.SkipWithError("the kernel did not receive every variable");
        host.reset();
        state.ResumeTiming();
    }
    InstallDialogDriver(nullptr);
    state.counters["variables"] = variables;
}

}  // namespace

BENCHMARK(BM_LaunchAcfAddAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
