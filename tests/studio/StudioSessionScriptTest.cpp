// What the user does in the desktop program's windows, saved as a session script (File > Save
// Session Script), replays in the reference host with the same kernel lines; and F1 opens a dialog's
// help beside it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Host/HostHelp.h"
#include "Host/HostScript.h"
#include "Studio/HelpWindow.h"
#include "Studio/MainWindow.h"
#include "StudioSupport.h"

namespace fs = std::filesystem;

namespace {

struct ReplayCase {
    const char* name;
    // "set NAME VALUE" and "store FILE" (records saved, then opened) in the main window; "menu ID"
    // chooses an item, and the dialog commands after it are played on its dialog's widgets.
    std::vector<std::string> session;
    const char* csv = nullptr;  // the data, when not the example's
    friend void PrintTo(const ReplayCase& c, std::ostream* os) { *os << c.name; }
};

class Replay : public ::testing::TestWithParam<ReplayCase> {
protected:
    void SetUp() override { fs::create_directories(m_dir / "data"); }
    void TearDown() override {
        fs::remove_all(m_dir);
        fs::remove_all(m_moved);
    }

    const fs::path m_dir = fs::temp_directory_path() / ("tvkstudio-replay-" + std::to_string(::getpid()));
    const fs::path m_moved = m_dir.string() + "-moved";
};

TEST_P(Replay, SendsTheSameLines) {
    const ReplayCase& c = GetParam();
    const fs::path data = m_dir / "data" / "cases.csv";
    if (c.csv)
        std::ofstream(data) << c.csv;
    else
        fs::copy_file(ExampleData(), data);

    StudioSession session;
    session.Host().LoadModule();
    MainWindow window(session);
    window.LoadData(QString::fromStdString(data.string()));
    const auto inMainWindow = [](const std::string& line) {
        return line.rfind("menu ", 0) == 0 || line.rfind("set ", 0) == 0 || line.rfind("store ", 0) == 0;
    };
    for (auto line = c.session.begin(); line != c.session.end();) {
        const std::vector<ScriptWord> words = SplitScriptLine(*line++, 1);
        if (words[0].text == "set") {
            session.ApplySetting(words[1].text, words[2].text);
        } else if (words[0].text == "store") {
            session.SaveRecords((m_dir / words[1].text).string());
            session.OpenRecords((m_dir / words[1].text).string());
        } else {
            const auto first = line;
            line = std::find_if(first, c.session.end(), inMainWindow);
            RunInWindow(
                session, [&] { window.Choose(static_cast<UINT>(std::stoul(words[1].text))); },
                [&](DialogWindow& dlg) {
                    for (auto a = first; a != line; ++a)
                        if (!dlg.Dialog().IsEnded())
                            PlayOnWidgets(dlg, *a);
                });
        }
    }
    const std::vector<std::string> sent = KernelLines(session.Host());
    ASSERT_FALSE(sent.empty());
    session.SaveScript((m_dir / "session.tvs").string());
    // The script names its data as it lies beside it, so the folder can move.
    fs::rename(m_dir, m_moved);
    std::ifstream in(m_moved / "session.tvs", std::ios::binary);
    const std::string script((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(script.find("\ndata data/cases.csv\n"), std::string::npos) << script;

    std::ostringstream out;
    std::ostringstream err;
    HostApp host(out);
    host.LoadModule();
    in.seekg(0);
    ScriptRunner runner(host, in, err, {"session.tvs", m_moved, false, nullptr, {}});
    EXPECT_EQ(runner.RunScript(), 0) << err.str() << script;
    EXPECT_EQ(err.str(), "") << script;
    EXPECT_EQ(KernelLines(host), sent) << script;
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, Replay,
    ::testing::Values(
        // Keys typed one by one, a file name that needs quoting, every way of moving variables.
        ReplayCase{"plain_dialog",
                   {"menu 1039", "select 1004 Visitors Rainfall", "click 1001", "dblclick 1004 Temperature",
                    "drag 1008 Sales to 0", "select 1004 Sales", "context 1004 33001", "text 1002 12",
                    "check 1006 1", "text 1007 \"my \"\"acf\"\" #1.tvz\"", "ok"}},
        ReplayCase{"refused_ok_then_reset_and_accepted",
                   {"menu 1039", "text 1002 0", "ok", "text 1002 7", "click 3", "text 1002 9", "check 1006 1",
                    "text 1007 \"acf#2.tvz\"", "ok"}},
        ReplayCase{"composite_pages",
                   {"menu 1060", "select 4741 Visitors Rainfall", "click 4732", "check 4735 1",
                    "text 4736 90", "page 1", "check 4775 1", "text 4776 4", "page 2", "page 0", "ok"}},
        // OK refused on the first page while another is shown: the dialog turns to it by itself.
        ReplayCase{"composite_refusing_page",
                   {"menu 1070", "page 1", "check 1226 1", "text 1228 500", "ok",
                    "select 5131 Sales Visitors", "click 5124", "ok"}},
        // The calculator computes at each OK and stays open; an item without a dialog; settings; records
        // stored and opened again, then a cancelled dialog.
        ReplayCase{"settings_calculator_records",
                   {"set decimal ,", "menu 1056", "combo 50000 Normal", "radio 3922", "text 3931 1,5", "ok",
                    "radio 3935", "ok", "cancel", "menu 1043", "menu 1039", "text 1002 5", "ok",
                    "store kept.tvr", "menu 1039", "text 1002 6", "cancel", "menu 1039", "ok"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Help, F1OpensTheDialogsHelpOnce) {
    StudioFixture f;
    RunInWindow(f.session, 1039, [](DialogWindow& window) {
        // A shortcut acts in the active window only; it presses its button a moment later.
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return HelpWindow::Find(&window) != nullptr; }, 2000));
        const HelpWindow* help = HelpWindow::Find(&window);
        // A second F1 raises the window already open.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QTest::qWait(300);
        EXPECT_EQ(window.findChildren<QDialog*>().size(), 1);
        EXPECT_EQ(HelpWindow::Find(&window), help);
        EXPECT_TRUE(help->isVisible());
        const QString text = help->Browser()->toPlainText();
        EXPECT_TRUE(text.startsWith("Time Series: Correlation Plots: Autocorrelation")) << text.toStdString();
        EXPECT_TRUE(text.contains("Maximum lag: the largest lag")) << text.toStdString();
        EXPECT_TRUE(text.contains("text 1002 12\n")) << text.toStdString();
        PlayOnWidgets(window, "cancel");
    });
}

// Help > Procedures lists every procedure that has help, opens at the dialog chosen last, and its
// filter keeps the titles holding every word typed.
TEST(Help, ProceduresFromTheMenu) {
    StudioSession session;
    session.Host().LoadModule();
    MainWindow window(session);
    window.LoadData(QString::fromStdString(ExampleData()));
    RunInWindow(
        session, [&] { window.Choose(1039); }, [](DialogWindow& dlg) { PlayOnWidgets(dlg, "cancel"); });
    QAction* procedures = nullptr;
    for (QAction* top : window.menuBar()->actions())
        if (top->text() == "&Help" && top->menu())
            procedures = top->menu()->actions().value(0);
    ASSERT_NE(procedures, nullptr);
    procedures->trigger();
    auto* help = dynamic_cast<HelpIndexWindow*>(window.findChild<QDialog*>("help index"));
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->Shown(), 1039u);
    EXPECT_TRUE(help->Browser()->toPlainText().startsWith("Time Series: Correlation Plots: Autocorrelation"));
    const auto withHelp = std::count_if(ModuleMenuItems().begin(), ModuleMenuItems().end(),
                                        [](const HostMenuItem& item) { return FindHelpFile(item.command); });
    EXPECT_EQ(help->List()->count(), withHelp);

    QTest::keyClicks(help->Filter(), "POWER two");
    int shown = 0;
    for (int i = 0; i < help->List()->count(); ++i) {
        const QString title = help->List()->item(i)->text();
        const bool match =
            title.contains("power", Qt::CaseInsensitive) && title.contains("two", Qt::CaseInsensitive);
        EXPECT_EQ(help->List()->item(i)->isHidden(), !match) << title.toStdString();
        shown += match ? 1 : 0;
    }
    EXPECT_GE(shown, 2);
    const QListWidgetItem* current = help->List()->currentItem();
    ASSERT_TRUE(current && !current->isHidden());
    EXPECT_EQ(help->Shown(), current->data(Qt::UserRole).toUInt());
}

}  // namespace
