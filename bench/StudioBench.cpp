// Opening a dialog in the desktop host: the module's launch and the window with its widgets, shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

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

void OpenDialog(benchmark::State& state) {
    StudioSession session;
    session.Host().LoadModule(DLGSTAT1_MODULE_PATH);
    session.Host().Data().Synthetic(static_cast<int>(state.range(1)), 100);
    ShowAndCancel driver(session);
    IDialogDriver* previous = GetDialogDriver();
    InstallDialogDriver(&driver);
    for (auto _ : state)
        session.Host().RouteCommand(static_cast<UINT>(state.range(0)));
    InstallDialogDriver(previous);
}

}  // namespace

// Autocorrelation (plain), column statistics (three tab pages), the probability calculator (a
// distribution manager), each on 4 and on 1,000 variables.
BENCHMARK(OpenDialog)->ArgsProduct({{1039, 1060, 1056}, {4, 1000}})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    DialogWindow::SetInteractive(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
