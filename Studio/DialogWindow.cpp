#include "Studio/DialogWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>

#include "Host/HostMenu.h"
#include "Studio/HelpWindow.h"
#include "TvkBaseGui/IPictureSource.h"

namespace {

bool g_interactive = true;

const char kDragFormat[] = "application/x-tvkstudio-variables";

// The sizes of list boxes: wide enough for a usual variable name, tall enough for a handful.
constexpr int kListWidth = 170;
constexpr int kListHeight = 150;
constexpr std::size_t kChecksInTwoColumns = 6;

QString ColorSheet(COLORREF color) {
    if (color == kColorWhite)
        return {};
    return QString("QLineEdit { background-color: rgb(%1, %2, %3); }")
        .arg(color & 0xFF)
        .arg((color >> 8) & 0xFF)
        .arg((color >> 16) & 0xFF);
}

std::vector<CString> SelectedNames(const QListWidget& list) {
    std::vector<CString> names;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            names.push_back(FromQString(list.item(i)->text()));
    return names;
}

// A text without its accelerator marks, for a label that has no field to give the focus to.
QString PlainText(const CString& text) {
    return QString::fromStdWString(DisplayMenuText(text.str(), true));
}

}  // namespace

QString ToQString(const CString& text) {
    return QString::fromWCharArray(text.GetString(), static_cast<qsizetype>(text.str().size()));
}

CString FromQString(const QString& text) {
    return CString::FromUtf8(text.toStdString());
}

// ---- VariableList -------------------------------------------------------------------------------------

VariableList::VariableList(DialogWindow& window, CGUIBaseDlg& owner, UINT id)
    : m_window(window), m_owner(owner), m_id(id) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setMinimumSize(kListWidth, kListHeight);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        m_window.Act([this] { m_window.Session().Select(m_owner, m_id, SelectedNames(*this)); });
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const CString name = FromQString(item->text());
        m_window.Act([this, name] { m_window.Session().DblClick(m_owner, m_id, name); });
    });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QMenu* menu = MakeContextMenu(this)) {
            menu->exec(viewport()->mapToGlobal(at));
            delete menu;
        }
    });
}

QMimeData* VariableList::DragData(const std::vector<CString>& names) const {
    QStringList words{QString::number(m_id)};
    for (const CString& n : names)
        words << ToQString(n);
    auto* mime = new QMimeData;
    mime->setData(kDragFormat, words.join('\n').toUtf8());
    return mime;
}

bool VariableList::Drop(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(kDragFormat))
        return false;
    QStringList words = QString::fromUtf8(mime->data(kDragFormat)).split('\n');
    const UINT from = words.takeFirst().toUInt();
    std::vector<CString> names;
    for (const QString& w : words)
        names.push_back(FromQString(w));
    m_window.Act([this, from, names] { m_window.Session().Drag(m_owner, from, names, m_id); });
    return true;
}

QMenu* VariableList::MakeContextMenu(QWidget* parent) {
    const CString text = m_owner.GetListMenuText(m_id);
    if (text.IsEmpty())
        return nullptr;
    auto* menu = new QMenu(parent);
    QAction* add = menu->addAction(ToQString(text));
    add->setData(ID_LIST_ADD_TARGET);
    connect(add, &QAction::triggered, this, [this] {
        m_window.Act([this] { m_window.Session().Context(m_owner, m_id, ID_LIST_ADD_TARGET); });
    });
    return menu;
}

void VariableList::startDrag(Qt::DropActions) {
    const std::vector<CString> names = SelectedNames(*this);
    if (names.empty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(DragData(names));
    // Dropped outside any list of the dialog: the model hears of a drop on nothing.
    if (drag->exec(Qt::MoveAction | Qt::CopyAction) == Qt::IgnoreAction)
        DropOutside(names);
}

void VariableList::DropOutside(const std::vector<CString>& names) {
    m_window.Act([this, names] { m_window.Session().Drag(m_owner, m_id, names, 0); });
}

bool VariableList::AcceptsDrop(const QMimeData* mime) const {
    if (!mime || !mime->hasFormat(kDragFormat))
        return false;
    const UINT from = QString::fromUtf8(mime->data(kDragFormat)).section('\n', 0, 0).toUInt();
    return m_owner.FindCtrl(from) && m_owner.MouseMoveListCtrlHelper(from, m_id);
}

void VariableList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kDragFormat))
        event->acceptProposedAction();
}

void VariableList::dragMoveEvent(QDragMoveEvent* event) {
    if (AcceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void VariableList::dropEvent(QDropEvent* event) {
    if (Drop(event->mimeData()))
        event->acceptProposedAction();
}

// ---- DialogWindow -------------------------------------------------------------------------------------

void DialogWindow::SetInteractive(bool interactive) {
    g_interactive = interactive;
}

DialogWindow::DialogWindow(StudioSession& session, CGUIBaseDlg& dlg, QWidget* parent)
    : QDialog(parent), m_session(session), m_dlg(dlg) {
    setWindowTitle(ToQString(dlg.GetDlgCaption()));
    m_previousReport = m_session.onReport;
    m_session.onReport = [this](const HostReport& r) { Report(r); };

    auto* root = new QVBoxLayout(this);
    // A page shown later may need more room than the first: the window grows to it.
    root->setSizeConstraint(QLayout::SetMinimumSize);
    m_main.dlg = &dlg;
    m_main.holder = new QWidget(this);
    new QVBoxLayout(m_main.holder);
    m_main.holder->layout()->setContentsMargins(0, 0, 0, 0);
    root->addWidget(m_main.holder, 1);

    m_picture = new QLabel(this);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->hide();
    root->addWidget(m_picture);

    m_status = new QLabel(this);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 6);
    root->addWidget(m_status);

    auto* previewBox = new QGroupBox(tr("Command lines OK would send now"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    m_preview = new QPlainTextEdit(previewBox);
    m_preview->setReadOnly(true);
    m_preview->setFocusPolicy(Qt::ClickFocus);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFixedHeight(m_preview->fontMetrics().lineSpacing() * 4 + 12);
    previewLayout->addWidget(m_preview);
    root->addWidget(previewBox);

    // Help (and F1) at the left of the dialog's own buttons, outside the row that pages rebuild.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeHelpButton(this, dlg.GetData() ? dlg.GetData()->GetstrDialog() : 0));
    m_main.buttonRow = new QWidget(this);
    bottom->addWidget(m_main.buttonRow, 1);
    root->addLayout(bottom);
    BuildPage(m_main);
    if (m_tabs && dlg.GetPageCount() > 0) {
        // The composite has shown its first page on opening.
        Page& first = m_pages[0];
        first.dlg = &dlg.GetActiveControlsDialog();
        first.holder = m_tabs->widget(0);
        BuildPage(first);
        m_tabs->setTabText(0, ToQString(first.dlg->GetDlgCaption()));
        connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) { ShowTab(index); });
    }
    m_status->setText(QString::fromStdString(m_session.TakeStatus()));
    Refresh();
    RefreshPicture();
}

DialogWindow::~DialogWindow() {
    m_session.onReport = m_previousReport;
}

void DialogWindow::Report(const HostReport& report) {
    switch (report.kind) {
        case HostReport::Kind::Status:
        case HostReport::Kind::Assertion:
            m_status->setText(QString::fromStdString(report.text));
            break;
        case HostReport::Kind::Message:
        case HostReport::Kind::Warning:
            m_status->setText(QString::fromStdString(report.text));
            if (g_interactive)
                QMessageBox::information(this, windowTitle(), QString::fromStdString(report.text));
            break;
        case HostReport::Kind::Line:
            break;
    }
    if (m_previousReport)
        m_previousReport(report);
}

QWidget* DialogWindow::MakeWidget(Page& page, UINT id, QWidget* parent) {
    CGUIBaseDlg& owner = *page.dlg;
    const CTKCtrl& c = owner.Ctrl(id);
    QWidget* widget = nullptr;
    switch (c.GetKind()) {
        case ControlKind::Edit:
        case ControlKind::IntEdit:
        case ControlKind::DoubleEdit:
        case ControlKind::FileEdit: {
            auto* edit = new QLineEdit(parent);
            connect(edit, &QLineEdit::textEdited, this, [this, &owner, id](const QString& text) {
                Act([&] { m_session.Text(owner, id, FromQString(text)); });
            });
            if (c.GetKind() == ControlKind::FileEdit) {
                QAction* browse = edit->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                  QLineEdit::TrailingPosition);
                browse->setToolTip(tr("Choose a file"));
                connect(browse, &QAction::triggered, this, [this, edit, &owner, id] {
                    const QString file = QFileDialog::getSaveFileName(this, windowTitle(), edit->text());
                    if (!file.isEmpty())
                        Act([&] { m_session.Text(owner, id, FromQString(file)); });
                });
            }
            widget = edit;
            break;
        }
        case ControlKind::Check: {
            auto* check = new QCheckBox(parent);
            connect(check, &QCheckBox::clicked, this,
                    [this, &owner, id](bool on) { Act([&] { m_session.Check(owner, id, on); }); });
            widget = check;
            break;
        }
        case ControlKind::Radio: {
            auto* radio = new QRadioButton(parent);
            // The dialog decides which buttons of a group go off.
            radio->setAutoExclusive(false);
            connect(radio, &QRadioButton::clicked, this,
                    [this, &owner, id] { Act([&] { m_session.Radio(owner, id); }); });
            widget = radio;
            break;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(parent);
            connect(combo, &QComboBox::activated, this,
                    [this, &owner, id](int index) { Act([&] { m_session.Combo(owner, id, index); }); });
            widget = combo;
            break;
        }
        case ControlKind::List:
            widget = new VariableList(*this, owner, id);
            widget->setParent(parent);
            break;
        case ControlKind::Button: {
            auto* button = new QPushButton(parent);
            if (id == IDOK) {
                button->setDefault(true);
                connect(button, &QPushButton::clicked, this, [this] { PressOk(); });
            } else if (id == IDCANCEL) {
                connect(button, &QPushButton::clicked, this, [this] { PressCancel(); });
            } else {
                button->setAutoDefault(false);
                connect(button, &QPushButton::clicked, this,
                        [this, &owner, id] { Act([&] { m_session.Click(owner, id); }); });
            }
            widget = button;
            break;
        }
        case ControlKind::Static:
            widget = new QLabel(parent);
            break;
        case ControlKind::Tab:
            m_tabs = new QTabWidget(parent);
            for (int i = 0; i < owner.GetPageCount(); ++i) {
                auto* holder = new QWidget(m_tabs);
                new QVBoxLayout(holder);
                const QString title = ToQString(owner.GetPageCaption(i));
                m_tabs->addTab(holder, title.isEmpty() ? tr("Page %1").arg(i + 1) : title);
            }
            widget = m_tabs;
            break;
    }
    page.widgets[id] = widget;
    return widget;
}

void DialogWindow::BuildPage(Page& page) {
    // The picture outlives the controls it may stand among.
    if (page.content && page.content->isAncestorOf(m_picture)) {
        m_picture->setParent(this);
        static_cast<QBoxLayout*>(layout())->insertWidget(1, m_picture);
    }
    delete page.content;
    page.widgets.clear();
    if (&page == &m_main)
        m_tabs = nullptr;
    page.content = new QWidget(page.holder);
    page.holder->layout()->addWidget(page.content);
    const DialogPlan plan = PlanDialog(*page.dlg);
    page.built = page.dlg->GetCtrlIDs();

    auto* outer = new QVBoxLayout(page.content);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    int row = 0;
    // A list with its title above it.
    const auto titledList = [&](UINT id, QWidget* parent) {
        auto* box = new QWidget(parent);
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(0, 0, 0, 0);
        const auto titled = plan.listTitles.find(id);
        auto* title = titled == plan.listTitles.end()
                          ? new QLabel(PlainText(page.dlg->Ctrl(id).m_strText), box)
                          : static_cast<QLabel*>(MakeWidget(page, titled->second, box));
        QWidget* list = MakeWidget(page, id, box);
        title->setBuddy(list);
        v->addWidget(title);
        v->addWidget(list, 1);
        return box;
    };
    const auto isCheckRow = [&](std::size_t i) {
        return i < plan.rows.size() && plan.rows[i].kind == LayoutRow::Kind::Single &&
               page.dlg->Ctrl(plan.rows[i].ids[0]).GetKind() == ControlKind::Check;
    };
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        const LayoutRow& r = plan.rows[i];
        // A long run of check boxes (a list of statistics to compute) reads down two columns.
        std::size_t run = 0;
        while (isCheckRow(i + run))
            ++run;
        if (run >= kChecksInTwoColumns) {
            auto* checks = new QGridLayout;
            const std::size_t half = (run + 1) / 2;
            for (std::size_t k = 0; k < run; ++k)
                checks->addWidget(MakeWidget(page, plan.rows[i + k].ids[0], page.content),
                                  static_cast<int>(k % half), static_cast<int>(k / half));
            grid->addLayout(checks, row++, 0, 1, 2);
            i += run - 1;
            continue;
        }
        if (r.kind == LayoutRow::Kind::Labelled) {
            QWidget* label = MakeWidget(page, r.ids[0], page.content);
            QWidget* field = MakeWidget(page, r.ids[1], page.content);
            if (auto* l = qobject_cast<QLabel*>(label))
                l->setBuddy(field);
            grid->addWidget(label, row, 0);
            grid->addWidget(field, row, 1);
        } else if (r.kind == LayoutRow::Kind::PictureCaptions) {
            auto* captions = new QHBoxLayout;
            for (UINT id : r.ids) {
                auto* caption = static_cast<QLabel*>(MakeWidget(page, id, page.content));
                caption->setAlignment(Qt::AlignCenter);
                captions->addWidget(caption, 1);
            }
            grid->addLayout(captions, row++, 0, 1, 2);
            const bool shown = !m_picture->pixmap().isNull();
            m_picture->setParent(page.content);
            m_picture->setVisible(shown);
            grid->addWidget(m_picture, row, 0, 1, 2);
        } else if (r.kind == LayoutRow::Kind::ListBlock) {
            auto* block = new QWidget(page.content);
            auto* h = new QHBoxLayout(block);
            h->setContentsMargins(0, 0, 0, 0);
            h->addWidget(titledList(r.ids[0], block), 1);
            auto* targets = new QVBoxLayout;
            for (const LayoutRow::Target& t : r.targets) {
                auto* line = new QHBoxLayout;
                auto* buttons = new QVBoxLayout;
                buttons->addStretch();
                for (UINT b : {t.add, t.remove})
                    if (b)
                        buttons->addWidget(MakeWidget(page, b, block));
                buttons->addStretch();
                line->addLayout(buttons);
                line->addWidget(titledList(t.list, block), 1);
                targets->addLayout(line, 1);
            }
            h->addLayout(targets, 1);
            grid->addWidget(block, row, 0, 1, 2);
        } else {
            const bool list = page.dlg->Ctrl(r.ids[0]).GetKind() == ControlKind::List;
            grid->addWidget(
                list ? titledList(r.ids[0], page.content) : MakeWidget(page, r.ids[0], page.content), row, 0,
                1, 2);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
    if (!plan.buttons.empty()) {
        // The dialog's own buttons stand at the very bottom of the window, a page's at the bottom of it.
        QWidget* at = page.buttonRow ? page.buttonRow : page.content;
        if (page.buttonRow) {
            qDeleteAll(page.buttonRow->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
            delete page.buttonRow->layout();
        }
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        for (UINT id : plan.buttons)
            buttons->addWidget(MakeWidget(page, id, at));
        if (page.buttonRow) {
            page.buttonRow->setLayout(buttons);
            buttons->setContentsMargins(0, 0, 0, 0);
        } else {
            outer->addLayout(buttons);
        }
    }
    RefreshPage(page);
}

void DialogWindow::RefreshPage(Page& page) {
    const QSignalBlocker blockAll(this);
    for (const auto& [id, widget] : page.widgets) {
        const CTKCtrl* c = page.dlg->FindCtrl(id);
        if (!c)
            continue;
        const QSignalBlocker block(widget);
        const QString text = ToQString(c->m_strText);
        const QString tip = ToQString(c->m_strToolTip);
        if (widget->toolTip() != tip)
            widget->setToolTip(tip);
        widget->setEnabled(c->m_bEnabled);
        bool visible = c->m_bVisible;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QString shown = label->buddy() ? text : PlainText(c->m_strText);
            if (label->text() != shown)
                label->setText(shown);
            // An untitled static holds a place; it shows only when the dialog writes into it.
            visible = visible && !text.isEmpty();
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != text)
                edit->setText(text);
            edit->setStyleSheet(ColorSheet(c->m_color));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text() != text)
                button->setText(text);
            if (button->isCheckable())
                button->setChecked(c->m_nChecked != 0);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStringList items;
            for (const CString& item : c->m_comboItems)
                items << ToQString(item);
            QStringList now;
            for (int i = 0; i < combo->count(); ++i)
                now << combo->itemText(i);
            if (now != items) {
                combo->clear();
                combo->addItems(items);
            }
            combo->setCurrentIndex(c->m_nComboIndex);
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            const auto& model = static_cast<const CGUIListCtrl&>(*c);
            const CVariableList& items = model.GetItems();
            bool same = list->count() == items.GetSize();
            for (int i = 0; same && i < list->count(); ++i)
                same = list->item(i)->text() == ToQString(items[i].GetVariableName());
            if (!same) {
                list->clear();
                for (int i = 0; i < items.GetSize(); ++i)
                    list->addItem(ToQString(items[i].GetVariableName()));
            }
            std::vector<bool> selected(static_cast<std::size_t>(list->count()), false);
            for (int i : model.GetSelection())
                if (i >= 0 && i < list->count())
                    selected[static_cast<std::size_t>(i)] = true;
            for (int i = 0; i < list->count(); ++i)
                if (list->item(i)->isSelected() != selected[static_cast<std::size_t>(i)])
                    list->item(i)->setSelected(selected[static_cast<std::size_t>(i)]);
            // The title above the list follows it.
            if (auto* title =
                    widget->parentWidget()->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
                title->setEnabled(c->m_bEnabled);
                title->setVisible(visible);
            }
        }
        if (widget->isVisibleTo(widget->parentWidget()) != visible)
            widget->setVisible(visible);
    }
}

std::vector<CGUIBaseDlg*> DialogWindow::ShownDialogs() const {
    std::vector<CGUIBaseDlg*> shown{&m_dlg};
    for (const auto& [index, page] : m_pages)
        shown.push_back(page.dlg);
    return shown;
}

DialogWindow::Page* DialogWindow::ActivePage() {
    CGUIBaseDlg* active = &m_dlg.GetActiveControlsDialog();
    for (auto& [index, page] : m_pages)
        if (page.dlg == active)
            return &page;
    return &m_main;
}

void DialogWindow::Refresh() {
    m_refreshing = true;
    // The dialog may have turned to another page itself (an OK that a page refused).
    for (auto& [index, page] : m_pages)
        if (page.dlg == &m_dlg.GetActiveControlsDialog() && m_tabs && m_tabs->currentIndex() != index) {
            const QSignalBlocker block(m_tabs);
            m_tabs->setCurrentIndex(index);
        }
    for (Page* page : {&m_main}) {
        if (page->dlg->GetCtrlIDs() != page->built)
            BuildPage(*page);
        RefreshPage(*page);
    }
    for (auto& [index, page] : m_pages) {
        if (page.dlg->GetCtrlIDs() != page.built)
            BuildPage(page);
        RefreshPage(page);
    }
    if (!m_dlg.IsEnded()) {
        CGUIBaseDlg* active = &m_dlg.GetActiveControlsDialog();
        const StudioSession::Preview preview = m_session.PreviewLines(m_dlg, ShownDialogs());
        if (&m_dlg.GetActiveControlsDialog() != active)
            for (auto& [index, page] : m_pages)
                if (page.dlg == active)
                    m_dlg.UserShowPage(index);
        QString text;
        for (const std::string& line : preview.lines)
            text += QString::fromStdString(line) + "\n";
        if (preview.refused)
            text = tr("(OK would be refused now)");
        if (m_preview->toPlainText() != text.trimmed())
            m_preview->setPlainText(text.trimmed());
    }
    m_refreshing = false;
}

void DialogWindow::Act(const std::function<void()>& action) {
    if (m_refreshing)
        return;
    try {
        action();
    } catch (const std::exception& e) {
        // An event handler must not let an exception into Qt's event loop.
        m_status->setText(QString::fromStdString(e.what()));
    }
    if (m_dlg.IsEnded()) {
        done(m_dlg.GetResult() == IDOK ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    Refresh();
}

void DialogWindow::ShowTab(int index) {
    if (m_refreshing || !m_tabs)
        return;
    try {
        m_session.ShowPage(m_dlg, index);
    } catch (const std::invalid_argument& e) {
        m_status->setText(QString::fromStdString(e.what()));
        return;
    }
    // The page is known before anything else runs: the preview may turn the dialog to another page
    // and back.
    const bool first = !m_pages.count(index);
    Page& page = m_pages[index];
    if (first) {
        page.dlg = &m_dlg.GetActiveControlsDialog();
        page.holder = m_tabs->widget(index);
        BuildPage(page);
        m_tabs->setTabText(index, ToQString(page.dlg->GetDlgCaption()));
    }
    Refresh();
    if (first) {
        // The new page's controls count in the window's minimum size at once, not at the next event.
        page.holder->layout()->activate();
        layout()->activate();
    }
}

void DialogWindow::PressOk() {
    m_status->clear();
    bool refused = false;
    Act([&] { refused = !m_session.Ok(m_dlg) && !m_dlg.IsEnded(); });
    if (m_dlg.IsEnded())
        return;
    if (refused) {
        if (m_status->text().isEmpty())
            m_status->setText(tr("OK refused"));
        if (QWidget* w = Widget(m_dlg.GetActiveControlsDialog().GetFocusCtrl()))
            w->setFocus();
    }
    // A dialog that stays open after OK computed something, and may draw it.
    RefreshPicture();
}

void DialogWindow::PressCancel() {
    Act([&] { m_session.Cancel(m_dlg); });
}

void DialogWindow::RefreshPicture() {
    auto* source = dynamic_cast<IPictureSource*>(&m_dlg.GetActiveControlsDialog());
    QPixmap pixmap;
    if (source) {
        QTemporaryDir dir;
        const QString file = dir.filePath("picture.png");
        if (dir.isValid() && source->WritePicture(file.toStdString()))
            pixmap.load(file);
    }
    m_picture->setPixmap(pixmap);
    m_picture->setVisible(!pixmap.isNull());
}

QWidget* DialogWindow::Widget(UINT id) const {
    CGUIBaseDlg* active = &m_dlg.GetActiveControlsDialog();
    for (const auto& [index, page] : m_pages)
        if (page.dlg == active) {
            auto it = page.widgets.find(id);
            if (it != page.widgets.end())
                return it->second;
        }
    auto it = m_main.widgets.find(id);
    return it == m_main.widgets.end() ? nullptr : it->second;
}

QString DialogWindow::StatusText() const {
    return m_status->text();
}

QString DialogWindow::PreviewText() const {
    return m_preview->toPlainText();
}

int StudioDriver::Run(CGUIBaseDlg& dlg) {
    DialogWindow window(m_session, dlg, m_parent);
    window.exec();
    if (!dlg.IsEnded())
        m_session.Cancel(dlg);
    return dlg.GetResult();
}
