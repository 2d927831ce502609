#pragma once

#include <QDialog>
#include <QListWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Studio/DialogLayout.h"
#include "Studio/StudioSession.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

class QLabel;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QTabWidget;
class DialogWindow;

QString ToQString(const CString& text);
CString FromQString(const QString& text);

// A variable list that drags its selection to other lists of the same dialog, takes drops, and offers
// the list's context menu.
class VariableList final : public QListWidget {
public:
    VariableList(DialogWindow& window, CGUIBaseDlg& owner, UINT id);
    UINT Id() const { return m_id; }
    // The drag's data: the list it comes from and the names.
    QMimeData* DragData(const std::vector<CString>& names) const;
    // What a drop on this list does (the drop event calls it).
    bool Drop(const QMimeData* mime);
    // Whether a drop of the drag's items here would do something (the cursor shows it).
    bool AcceptsDrop(const QMimeData* mime) const;
    // What a drag of these items that ends outside every list of the dialog does.
    void DropOutside(const std::vector<CString>& names);
    // The context menu as it pops up; null when the list has none.
    QMenu* MakeContextMenu(QWidget* parent);

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DialogWindow& m_window;
    CGUIBaseDlg& m_owner;
    UINT m_id;
};

// A procedure dialog in a real window: widgets made from the dialog's controls, each user action
// handed to the dialog through the session's entry points, those of a session script's commands of the
// same names (StudioSession::Text, Check, Select, Click, Ok ...), which also write it down, and every
// widget brought up to date from the controls after each action. Below the controls: the status bar text, the
// lines OK would send now, and the picture of a dialog that draws.
class DialogWindow final : public QDialog {
public:
    DialogWindow(StudioSession& session, CGUIBaseDlg& dlg, QWidget* parent = nullptr);
    ~DialogWindow() override;

    CGUIBaseDlg& Dialog() { return m_dlg; }
    StudioSession& Session() { return m_session; }
    // Runs a user action on the dialog, reports a refused one, and refreshes the widgets.
    void Act(const std::function<void()>& action);
    // The widget of control `id` of the page shown (or of the dialog itself), or null.
    QWidget* Widget(UINT id) const;
    QTabWidget* Tabs() const { return m_tabs; }
    QString StatusText() const;
    QString PreviewText() const;
    // The picture the dialog draws, when it draws one.
    const QLabel* Picture() const { return m_picture; }
    // Reports arriving while this window is open.
    void Report(const HostReport& report);
    // Message boxes pop up only when interactive; otherwise they go to the status line.
    static void SetInteractive(bool interactive);

    void PressOk();
    void PressCancel();
    void reject() override { PressCancel(); }

private:
    struct Page {
        CGUIBaseDlg* dlg = nullptr;
        QWidget* holder = nullptr;     // keeps `content` in place across rebuilds
        QWidget* content = nullptr;    // the controls' widgets
        QWidget* buttonRow = nullptr;  // where the dialog's own buttons go; null: below the controls
        std::vector<UINT> built;       // the controls they were made from
        std::map<UINT, QWidget*> widgets;
    };
    void BuildPage(Page& page);
    QWidget* MakeWidget(Page& page, UINT id, QWidget* parent);
    void RefreshPage(Page& page);
    void Refresh();
    void RefreshPicture();
    void ShowTab(int index);
    Page* ActivePage();
    std::vector<CGUIBaseDlg*> ShownDialogs() const;

    StudioSession& m_session;
    CGUIBaseDlg& m_dlg;
    Page m_main;
    std::map<int, Page> m_pages;  // tab index -> page, once shown
    QTabWidget* m_tabs = nullptr;
    QLabel* m_status = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QLabel* m_picture = nullptr;
    bool m_refreshing = false;
    std::function<void(const HostReport&)> m_previousReport;
};

// The dialog driver of the desktop host: each dialog the module opens runs in a DialogWindow.
class StudioDriver final : public IDialogDriver {
public:
    StudioDriver(StudioSession& session, QWidget* parent) : m_session(session), m_parent(parent) {}
    int Run(CGUIBaseDlg& dlg) override;

private:
    StudioSession& m_session;
    QWidget* m_parent;
};
