#pragma once

#include <QDialog>

#include "Platform/CString.h"

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

// The help as a page: the title, the paragraphs, the controls as a list, the example's script and
// lines in a fixed-width font. Empty when the item has no help.
QString HelpHtml(UINT command);

// The Help button of a dialog window, pressed by F1 too: it opens the help of menu item `command`
// beside `window`, or raises the help window already open. Disabled when the item has no help.
QPushButton* MakeHelpButton(QWidget* window, UINT command);
