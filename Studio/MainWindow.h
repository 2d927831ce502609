#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "Studio/DialogWindow.h"
#include "Studio/StudioSession.h"

class QAction;
class QLabel;
class QStackedWidget;
class QPlainTextEdit;
class QTableView;
class CellTableModel;
class HelpIndexWindow;

// The desktop host's main window: the File menu, the module's menus (enabled and checked as the
// module's update rules say), the data's variables and cases, and the log of every line the kernel
// received.
class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(StudioSession& session);
    ~MainWindow() override;

    // Brings every module menu item's enabled and checked state up to date.
    void UpdateMenus();
    // Chooses module menu item `command`, as the menu would (nothing when it is disabled).
    void Choose(UINT command);
    // The menu action of a module command, or null.
    QAction* CommandAction(UINT command) const;
    // Loads a CSV file; one whose header row holds invalid names may be loaded with valid ones (asked
    // first when interactive).
    void LoadData(const QString& path);
    // The help on procedures (Help > Procedures, F1), open at `command`'s, else at that of the dialog
    // opened last, else at the first listed.
    HelpIndexWindow* ShowHelp(UINT command = 0);
    QString LogText() const;
    const QTableView* DataView() const { return m_dataView; }

private:
    void BuildMenus();
    void OpenData();
    void OpenRecords();
    void SaveRecords();
    void SaveLog();
    void SaveScript();
    void ShowError(const QString& text);
    void About();
    bool LoadWithValidNames(const QString& path, const QString& error);
    // A save-file chooser that adds the suffix to a name typed without one.
    QString AskSaveFile(const QString& title, const QString& filter, const QString& suffix);

    StudioSession& m_session;
    StudioDriver m_driver;
    IDialogDriver* m_previousDriver;
    std::vector<std::pair<UINT, QAction*>> m_commands;
    QStackedWidget* m_dataPane = nullptr;
    QLabel* m_noData = nullptr;
    QTableView* m_dataView = nullptr;
    std::unique_ptr<CellTableModel> m_cells;
    QPlainTextEdit* m_log = nullptr;
    HelpIndexWindow* m_helpIndex = nullptr;
    UINT m_lastCommand = 0;
};
