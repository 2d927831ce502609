#pragma once

#include <QDialog>

#include "Platform/CString.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

// The help of a menu item's dialog (Resources/help, as `tvkhost help ID` prints it) in a window of its
// own beside the dialog, so that both can be read at once.
class HelpWindow final : public QDialog {
public:
    HelpWindow(UINT command, QWidget* parent);
    // The help window open beside `owner`, or null.
    static HelpWindow* Find(QWidget* owner);
    UINT Command() const { return m_command; }
    const QTextBrowser* Browser() const { return m_browser; }

private:
    UINT m_command;
    QTextBrowser* m_browser;
};

// Every procedure with help, by the title of its dialog, and the help of the one chosen; a filter
// narrows the list to titles holding what is typed.
class HelpIndexWindow final : public QDialog {
public:
    explicit HelpIndexWindow(QWidget* parent);
    // Shows the help of menu item `command` (chosen in the list too); false when it has none.
    bool Show(UINT command);
    UINT Shown() const { return m_shown; }
    QListWidget* List() const { return m_list; }
    QLineEdit* Filter() const { return m_filter; }
    const QTextBrowser* Browser() const { return m_browser; }

private:
    void ApplyFilter(const QString& text);

    QLineEdit* m_filter;
    QListWidget* m_list;
    QTextBrowser* m_browser;
    UINT m_shown = 0;
};

// The help as a page: the title, the paragraphs, the controls as a list, the example's script and
// lines in a fixed-width font. Empty when the item has no help.
QString HelpHtml(UINT command);

// The Help button of a dialog window, pressed by F1 too: it opens the help of menu item `command`
// beside `window`, or raises the help window already open. Disabled when the item has no help.
QPushButton* MakeHelpButton(QWidget* window, UINT command);
