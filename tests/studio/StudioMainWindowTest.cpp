// The main window: menus that follow the data, the data pane, the command log, the File menu's files.
#include <gtest/gtest.h>

#include <QAction>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "Studio/CsvNames.h"
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
    EXPECT_EQ(cells->headerData(0, Qt::Horizontal).toString(), "Sales\nnumeric");
    EXPECT_EQ(cells->headerData(4, Qt::Horizontal).toString(), "Region\nstring");
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
    std::filesystem::create_directories(Scratch("studio-screenshots"));
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

// A header row with names no command line takes: the file loads with the names made valid (the user
// is asked first), and only the header row changes.
TEST(MainWindow, HeaderNamesMadeValid) {
    struct Case {
        std::string csv;
        std::string loaded;
    };
    const Case cases[] = {
        {"Sa les,Sales\n1,2\n", "Sa_les,Sales\n1,2\n"},
        {"2010,x\r\n1,2\r\n", "V2010,x\r\n1,2\r\n"},
        {" ,a\n1,2\n", "V1,a\n1,2\n"},
        {"a,A,a_2\n1,2,3\n", "a,A_2,a_2_2\n1,2,3\n"},
        {"\n\"a,\"\"b\"\"\",c\n\"x,y\",2\n", "\na__b_,c\n\"x,y\",2\n"},
        {"\xEF\xBB\xBFgood,\xC3\xA9t\xC3\xA9\n1,2\n", "\xEF\xBB\xBFgood,V__t__\n1,2\n"},
        {std::string(70, 'n') + "\n1\n", std::string(64, 'n') + "\n1\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeHeaderNamesValid(c.csv).text, c.loaded) << c.csv;
    EXPECT_TRUE(MakeHeaderNamesValid("a,b\n1,2\n").renamed.empty());

    StudioSession session;
    session.Host().LoadModule();
    MainWindow window(session);
    std::ofstream(Scratch("studio-bad-header.csv")) << "Sa les,Region\n1,East\n2,West\n";
    window.LoadData(QString::fromStdString(Scratch("studio-bad-header.csv").string()));
    ASSERT_EQ(session.Host().Data().GetVariableCount(), 2);
    EXPECT_EQ(session.Host().Data().GetVariables()[0].name, L"Sa_les");
    EXPECT_EQ(session.Host().Data().GetCaseCount(), 2);
    EXPECT_TRUE(window.windowTitle().startsWith("studio-bad-header.csv"))
        << window.windowTitle().toStdString();
}

// The series module's treatment of missing values: the menu checks what the kernel was last told.
TEST(MainWindow, MissingValuesCheckFollowsTheKernel) {
    StudioSession session;
    session.Host().LoadModule();
    MainWindow window(session);
    window.LoadData(QString::fromStdString(ExampleData()));
    for (UINT chosen : {1046u, 1043u}) {
        window.Choose(chosen);
        EXPECT_EQ(window.CommandAction(1046)->isChecked(), chosen == 1046);
        EXPECT_EQ(window.CommandAction(1043)->isChecked(), chosen == 1043);
    }
}

}  // namespace
