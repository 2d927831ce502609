// Time from the menu command to the dialog's first paint in the desktop host, for every dialog of the
// menus on 1,000 numeric variables: the module's launch, the window made from the dialog's controls,
// shown, until its first paint event has been handled. Run it under a real X server to count the
// window system's part too (xvfb-run with QT_QPA_PLATFORM=xcb); on the offscreen platform it counts
// everything but that.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <chrono>
#include <cstdlib>
#include <string>

#include "Host/HostMenu.h"
#include "Studio/DialogWindow.h"

namespace {

// Watches a window for its first paint.
class FirstPaint final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Shows the dialog's window, waits for its first paint, notes the time and cancels.
class ShowUntilPainted final : public IDialogDriver {
public:
    explicit ShowUntilPainted(StudioSession& session) : m_session(session) {}
    QElapsedTimer clock;
    double seconds = 0;
    bool painted = false;
    int Run(CGUIBaseDlg& dlg) override {
        DialogWindow window(m_session, dlg);
        FirstPaint watch;
        window.installEventFilter(&watch);
        window.show();
        QElapsedTimer limit;
        limit.start();
        while (!watch.painted && limit.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
        painted = watch.painted;
        window.removeEventFilter(&watch);
        window.PressCancel();
        return dlg.GetResult();
    }

private:
    StudioSession& m_session;
};

void OpenUntilPainted(benchmark::State& state, UINT command) {
    StudioSession session;
    session.Host().LoadModule(DLGSTAT1_MODULE_PATH);
    session.Host().Data().Synthetic(1000, 100);
    if (!session.Host().UpdateCommand(command).m_bEnabled) {
        state.SkipWithError("disabled");
        return;
    }
    ShowUntilPainted driver(session);
    IDialogDriver* previous = GetDialogDriver();
    InstallDialogDriver(&driver);
    for (auto _ : state) {
        driver.painted = false;
        driver.clock.start();
        session.Host().RouteCommand(command);
        if (!driver.painted) {
            state.SkipWithError("no dialog painted");
            break;
        }
        state.SetIterationTime(driver.seconds);
    }
    InstallDialogDriver(previous);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    DialogWindow::SetInteractive(false);
    for (const HostMenuItem& item : ModuleMenuItems())
        benchmark::RegisterBenchmark(("FirstPaint1000Variables/" + std::to_string(item.command)).c_str(),
                                     OpenUntilPainted, item.command)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
