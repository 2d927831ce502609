#include "Studio/HelpWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

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

HelpIndexWindow::HelpIndexWindow(QWidget* parent)
    : QDialog(parent),
      m_filter(new QLineEdit(this)),
      m_list(new QListWidget(this)),
      m_browser(new QTextBrowser(this)) {
    setObjectName("help index");
    setWindowTitle(tr("Help on Procedures"));
    auto* layout = new QVBoxLayout(this);
    auto* split = new QSplitter(this);
    auto* side = new QWidget(split);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto* find = new QLabel(tr("&Find:"), side);
    find->setBuddy(m_filter);
    m_filter->setPlaceholderText(tr("a word of the title"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setAccessibleName(tr("Find"));
    m_list->setAccessibleName(tr("Procedures"));
    sideLayout->addWidget(find);
    sideLayout->addWidget(m_filter);
    sideLayout->addWidget(m_list, 1);
    m_browser->setParent(split);
    m_browser->setOpenLinks(false);
    m_browser->setAccessibleName(tr("Help"));
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);

    // In the menus' order, by the path below the top menu that holds them all: related procedures
    // stand together as they do there.
    for (const HostMenuItem& item : ModuleMenuItems()) {
        if (!FindHelpFile(item.command))
            continue;
        QStringList path;
        for (std::size_t i = item.chain.size() > 1 ? 1 : 0; i < item.chain.size(); ++i)
            path << QString::fromStdWString(DisplayMenuText(item.chain[i]));
        auto* entry = new QListWidgetItem(path.join(": "), m_list);
        entry->setToolTip(entry->text());
        entry->setData(Qt::UserRole, item.command);
    }
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            Show(item->data(Qt::UserRole).toUInt());
    });
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) { ApplyFilter(text); });
    const QFontMetrics metrics(m_browser->font());
    m_list->setMinimumWidth(metrics.horizontalAdvance(QString(52, 'n')));
    resize(metrics.horizontalAdvance(QString(145, 'n')) + 80, metrics.lineSpacing() * 36);
}

bool HelpIndexWindow::Show(UINT command) {
    const QString html = HelpHtml(command);
    if (html.isEmpty())
        return false;
    m_shown = command;
    m_browser->setHtml(html);
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(Qt::UserRole).toUInt() == command && m_list->currentRow() != i) {
            const QSignalBlocker block(m_list);
            m_list->setCurrentRow(i);
            m_list->scrollToItem(m_list->item(i));
        }
    return true;
}

void HelpIndexWindow::ApplyFilter(const QString& text) {
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        const bool match = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return item->text().contains(w, Qt::CaseInsensitive);
        });
        item->setHidden(!match);
        if (match && !first)
            first = item;
    }
    // The help beside the list is one of those listed.
    if (first && (!m_list->currentItem() || m_list->currentItem()->isHidden()))
        m_list->setCurrentItem(first);
}
