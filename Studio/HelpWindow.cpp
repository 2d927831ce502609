#include "Studio/HelpWindow.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Host/HostHelp.h"

namespace {

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString Paragraphs(const std::vector<std::string>& paragraphs) {
    QString html;
    for (const std::string& p : paragraphs)
        html += "<p>" + Escaped(p) + "</p>";
    return html;
}

QString Verbatim(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += Escaped(line) + "\n";
    return "<pre>" + text + "</pre>";
}

}  // namespace

QString HelpHtml(UINT command) {
    const auto file = FindHelpFile(command);
    if (!file)
        return {};
    HelpText help;
    try {
        help = ParseHelp(*file);
    } catch (const HelpFormatError&) {
        // The tests keep the files in shape; should one slip, it is still worth reading as it is.
        return "<pre>" +
               QString::fromUtf8(file->data(), static_cast<qsizetype>(file->size())).toHtmlEscaped() +
               "</pre>";
    }
    QString html = "<h2>" + Escaped(help.title) + "</h2>" + Paragraphs(help.about);
    if (help.hasControls) {
        html += "<h3>" + QObject::tr("Controls") + "</h3>";
        bool inList = false;
        for (const HelpControl& c : help.controls) {
            // A paragraph among the bullets (a page's heading) interrupts the list.
            if (c.label.empty()) {
                html += (inList ? "</ul>" : "") + QString("<p>") + Escaped(c.text) + "</p>";
                inList = false;
                continue;
            }
            html += (inList ? "" : "<ul>") + QString("<li><b>") + Escaped(c.label) + "</b>" +
                    Escaped(c.text) + "</li>";
            inList = true;
        }
        if (inList)
            html += "</ul>";
    }
    if (help.hasExample)
        html += "<h3>" + QObject::tr("Example") + "</h3>" + Paragraphs(help.example) + "<p>" +
                QObject::tr("Script:") + "</p>" + Verbatim(help.script) + "<p>" + QObject::tr("Lines sent:") +
                "</p>" + Verbatim(help.sent);
    return html;
}

HelpWindow::HelpWindow(UINT command, QWidget* parent)
    : QDialog(parent), m_command(command), m_browser(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("help");
    setWindowTitle(tr("Help: %1").arg(parent ? parent->windowTitle() : QString::number(command)));
    auto* layout = new QVBoxLayout(this);
    m_browser->setHtml(HelpHtml(command));
    m_browser->setOpenLinks(false);
    layout->addWidget(m_browser);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    // About 90 columns of text: the files' lines, and the example's, fit without wrapping.
    const QFontMetrics metrics(m_browser->font());
    resize(metrics.horizontalAdvance(QString(90, 'n')) + 60, metrics.lineSpacing() * 36);
}

HelpWindow* HelpWindow::Find(QWidget* owner) {
    // Without a meta-object of its own, a help window is found by its name and type, not by a cast
    // that any dialog would pass.
    return dynamic_cast<HelpWindow*>(owner->findChild<QDialog*>("help", Qt::FindDirectChildrenOnly));
}

QPushButton* MakeHelpButton(QWidget* window, UINT command) {
    auto* button = new QPushButton(QObject::tr("Help"), window);
    button->setAutoDefault(false);
    // Made before the dialog's controls, it would head their Tab order; F1 is its key instead.
    button->setFocusPolicy(Qt::NoFocus);
    button->setShortcut(QKeySequence::HelpContents);
    const bool has = FindHelpFile(command).has_value();
    button->setEnabled(has);
    button->setToolTip(has ? QObject::tr("What this dialog does, its controls and an example (F1)")
                           : QObject::tr("This dialog has no help"));
    QObject::connect(button, &QPushButton::clicked, window, [window, command] {
        HelpWindow* help = HelpWindow::Find(window);
        if (!help) {
            help = new HelpWindow(command, window);
            help->show();
        }
        help->raise();
        help->activateWindow();
    });
    return button;
}
