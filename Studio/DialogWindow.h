#pragma once

#include <QDialog>
#include <QIcon>
#include <QListWidget>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "Studio/DialogLayout.h"
#include "Studio/StudioSession.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

class QGroupBox;
class QLabel;
class QMenu;
class QScrollArea;
class QMimeData;
class QPlainTextEdit;
class QTabWidget;
class DialogWindow;

QString ToQString(const CString& text);
CString FromQString(const QString& text);

// The mark of a variable's type that stands before its name in the lists and the data's header: "#"
// on blue for a numeric variable, "A" on brown for a string one; and the type in words.
QIcon VariableTypeIcon(int type);
QString VariableTypeName(int type);

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
    // The list is as tall as this many items; it takes no less.
    void SetRows(int rows);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DialogWindow& m_window;
    CGUIBaseDlg& m_owner;
    UINT m_id;
    int m_rows = 4;
};

// A procedure dialog in a real window: widgets made from the dialog's controls, each user action
// handed to the dialog through the session's entry points, those of a session script's commands of the
// same names (StudioSession::Text, Check, Select, Click, Ok ...), which also write it down, and every
// widget brought up to date from the controls after each action. Below the controls: the status bar text, the
// lines OK would send now, and the picture of a dialog that draws.
//
// The window fits the screen: the controls stand in a scroll area, a page too tall for a laptop screen
// goes into two columns, and OK, Cancel and Reset stay below the scroll area, always in sight.
class DialogWindow final : public QDialog {
public:
    DialogWindow(StudioSession& session, CGUIBaseDlg& dlg, QWidget* parent = nullptr);
    ~DialogWindow() override;

    // The smallest screen the dialogs are laid out for, at 100 %: every dialog fits it unscrolled.
    static constexpr QSize kDesignScreen{1366, 768};
    // What the window manager adds around a window (title bar, frame).
    static constexpr QSize kFrameRoom{16, 40};

    // A row of a page as built: a label and its field, or one widget across both columns.
    struct BuiltRow {
        QWidget* label = nullptr;
        QWidget* field = nullptr;
        QWidget* whole = nullptr;
        bool wide = false;  // stands across the page, never in one of two columns
    };

    CGUIBaseDlg& Dialog() { return m_dlg; }
    StudioSession& Session() { return m_session; }
    // Runs a user action on the dialog, reports a refused one, and refreshes the widgets.
    void Act(const std::function<void()>& action);
    // The widget of control `id` of the page shown (or of the dialog itself), or null.
    QWidget* Widget(UINT id) const;
    QTabWidget* Tabs() const { return m_tabs; }
    // The scroll area the controls stand in.
    QScrollArea* Body() const { return m_body; }
    QString StatusText() const;
    // The lines OK would send now (computed first if the window has not had its first paint yet).
    QString PreviewText();
    // The picture the dialog draws, when it draws one.
    const QLabel* Picture() const { return m_picture; }
    // Reports arriving while this window is open.
    void Report(const HostReport& report);
    // Message boxes pop up only when interactive; otherwise they go to the status line.
    static void SetInteractive(bool interactive);
    static bool IsInteractive();
    // Grows the window to what its controls ask for, within the screen's free area.
    void FitToScreen();

    void PressOk();
    void PressCancel();
    void reject() override { PressCancel(); }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Page {
        CGUIBaseDlg* dlg = nullptr;
        QWidget* holder = nullptr;     // keeps `content` in place across rebuilds
        QWidget* content = nullptr;    // the controls' widgets
        QWidget* buttonRow = nullptr;  // where the dialog's own buttons go; null: below the controls
        std::vector<UINT> built;       // the controls they were made from
        std::vector<UINT> order;       // the order they were met in (DialogPlan::order)
        std::map<UINT, QWidget*> widgets;
        std::map<QWidget*, QWidget*> labelOf;  // field -> the label in front of it
        std::vector<BuiltRow> rows;
    };
    void BuildPage(Page& page);
    QWidget* MakeWidget(Page& page, UINT id, QWidget* parent);
    void RefreshPage(Page& page);
    // Brings every widget up to date; with the preview of the lines unless told otherwise.
    void Refresh(bool withPreview = true);
    void RefreshPicture();
    void ShowTab(int index);
    void SetTabOrder();
    // Lays the page's rows out, in two columns where the window would be too tall in one.
    void ArrangePage(Page& page);
    // Brings every size hint up to date and lays the window out anew.
    void Relayout();
    // Whether an edit in sight is painted as failing its range.
    bool HasInvalidField() const;
    const CTKCtrl* FindCtrlOf(const Page& page, const QWidget* widget) const;
    // Whether every item is a variable of the data, of the same type.
    bool HoldsDataVariables(const CVariableList& items);
    Page* ActivePage();
    std::vector<CGUIBaseDlg*> ShownDialogs() const;

    StudioSession& m_session;
    CGUIBaseDlg& m_dlg;
    Page m_main;
    std::map<int, Page> m_pages;  // tab index -> page, once shown
    QScrollArea* m_body = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_status = nullptr;
    QGroupBox* m_previewBox = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QLabel* m_picture = nullptr;
    bool m_okRefused = false;       // the status line says why OK was refused
    bool m_previewPending = false;  // the preview waits for the first paint
    bool m_refreshing = false;
    std::function<void(const HostReport&)> m_previousReport;
    std::unordered_map<std::wstring, int> m_dataTypes;  // name -> type of the data's variables
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
