// Opening a dialog in the desktop host: the module's launch and the window with its widgets, shown,
// for every dialog of the menus on the example data, and for three kinds on 1,000 variables.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "Host/HostMenu.h"
#include "Studio/DialogWindow.h"

namespace {

// Opens the dialog, shows its window and cancels it.
class ShowAndCancel final : public IDialogDriver {
public:
    explicit ShowAndCancel(StudioSession& session) : m_session(session) {}
    int Run(CGUIBaseDlg& dlg) override {
        DialogWindow window(m_session, dlg);
        window.show();
        QApplication::processEvents();
        window.PressCancel();
        return dlg.GetResult();
    }

private:
    StudioSession& m_session;
};

// `variables` 0: the example data.
void OpenDialog(benchmark::State& state, UINT command, int variables) {
    StudioSession session;
    session.Host().LoadModule(DLGSTAT1_MODULE_PATH);
    if (variables == 0)
        session.LoadData(DLGSTAT1_SOURCE_DIR "/Resources/data/example.csv");
    else
        session.Host().Data().Synthetic(variables, 100);
    if (!session.Host().UpdateCommand(command).m_bEnabled) {
        state.SkipWithError("disabled");
        return;
    }
    ShowAndCancel driver(session);
    IDialogDriver* previous = GetDialogDriver();
    InstallDialogDriver(&driver);
    for (auto _ : state)
        session.Host().RouteCommand(command);
    InstallDialogDriver(previous);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    DialogWindow::SetInteractive(false);
    for (const HostMenuItem& item : ModuleMenuItems())
        benchmark::RegisterBenchmark(("OpenDialog/" + std::to_string(item.command)).c_str(), OpenDialog,
                                     item.command, 0)
            ->Unit(benchmark::kMillisecond);
    // Autocorrelation (plain), column statistics (three tab pages), the probability calculator (a
    // distribution manager).
    for (UINT command : {1039u, 1060u, 1056u})
        benchmark::RegisterBenchmark(("OpenDialog1000Variables/" + std::to_string(command)).c_str(),
                                     OpenDialog, command, 1000)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
