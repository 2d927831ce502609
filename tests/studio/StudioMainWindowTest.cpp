// The main window: menus that follow the data, the data pane, the command log, the File menu's files.
#include <gtest/gtest.h>

#include <QAction>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "Studio/MainWindow.h"
#include "StudioSupport.h"

namespace {

std::filesystem::path Scratch(const char* name) {
    return std::filesystem::path(DLGSTAT1_BUILD_DIR) / name;
}

TEST(MainWindow, MenusFollowTheData) {
    StudioSession session;
    session.Host().LoadModule();
    MainWindow window(session);
    // Autocorrelation needs variables; the probability calculator does not.
    struct Item {
        UINT command;
        bool withoutData;
    };
    for (const Item& item : {Item{1039, false}, Item{1060, false}, Item{1056, true}}) {
        ASSERT_NE(window.CommandAction(item.command), nullptr);
        EXPECT_EQ(window.CommandAction(item.command)->isEnabled(), item.withoutData) << item.command;
    }
    window.LoadData(QString::fromStdString(ExampleData()));
    for (UINT command : {1039u, 1060u, 1056u})
        EXPECT_TRUE(window.CommandAction(command)->isEnabled()) << command;
    // The data pane: the example's five variables and sixty cases.
    const QAbstractItemModel* cells = window.DataView()->model();
    EXPECT_EQ(cells->columnCount(), 5);
    EXPECT_EQ(cells->rowCount(), 60);
    EXPECT_EQ(cells->headerData(0, Qt::Horizontal).toString(), "Sales");
    EXPECT_EQ(cells->headerData(4, Qt::Horizontal).toString(), "Region");
    EXPECT_EQ(cells->headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString(), "string variable");
    EXPECT_EQ(cells->headerData(3, Qt::Horizontal, Qt::ToolTipRole).toString(), "numeric variable");
    EXPECT_EQ(cells->data(cells->index(2, 4)).toString(), "East, coast");
}

TEST(MainWindow, LogRecordsAndFiles) {
    StudioSession session;
    session.Host().LoadModule();
    MainWindow window(session);
    window.LoadData(QString::fromStdString(ExampleData()));
    RunInWindow(
        session, [&] { window.Choose(1039); },
        [](DialogWindow& dlg) {
            PlayOnWidgets(dlg, "text 1002 6");
            PlayOnWidgets(dlg, "ok");
        });
    EXPECT_EQ(window.LogText(), "SERIES\nACF Sales / LAG = 6");
    window.show();
    QTest::qWait(20);
    EXPECT_TRUE(
        window.grab().save(QString::fromStdString(Scratch("studio-screenshots/main-window.png").string())));

    // The command log file holds the same lines; the record store reads back into a fresh session.
    session.SaveLog(Scratch("studio-log.txt").string());
    std::ifstream log(Scratch("studio-log.txt"));
    std::string text((std::istreambuf_iterator<char>(log)), {});
    EXPECT_EQ(text, "SERIES\nACF Sales / LAG = 6\n");
    session.SaveRecords(Scratch("studio-records.tvr").string());
    StudioSession other;
    other.Host().LoadModule();
    other.LoadData(ExampleData());
    other.OpenRecords(Scratch("studio-records.tvr").string());
    ASSERT_NE(other.Host().FindRecord(1039), nullptr);
    EXPECT_EQ(other.Host().SaveRecords(), session.Host().SaveRecords());
}

}  // namespace
