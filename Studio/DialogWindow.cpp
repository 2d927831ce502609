#include "Studio/DialogWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <numeric>

#include "Host/ControlOrder.h"
#include "Host/HostMenu.h"
#include "Studio/HelpWindow.h"
#include "TvkBaseGui/IPictureSource.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

bool g_interactive = true;

const char kDragFormat[] = "application/x-tvkstudio-variables";

// List boxes are wide enough for a usual variable name; their heights are in rows (see VariableList).
constexpr int kListWidth = 170;
constexpr int kSourceListRows = 7;
constexpr int kTargetListRows = 4;

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

// What a combo box shows of its items: the words for a person that the combo table gives beside a
// command word (the table whose texts are these items), else the items themselves.
QStringList ShownComboItems(const std::vector<CString>& items) {
    QStringList shown;
    for (const CString& item : items)
        shown << ToQString(item);
    for (const auto& [id, table] : ResourceTables::Get().Combos()) {
        if (table.size() != items.size() ||
            !std::equal(table.begin(), table.end(), items.begin(),
                        [](const ComboItem& entry, const CString& item) { return entry.text == item; }))
            continue;
        for (std::size_t i = 0; i < table.size(); ++i)
            if (!table[i].shown.IsEmpty())
                shown[static_cast<qsizetype>(i)] = ToQString(table[i].shown);
        break;
    }
    return shown;
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

QIcon VariableTypeIcon(int type) {
    const bool text = type == kVariableTypeString;
    // Two marks for the whole program, drawn once at twice the size for screens at 200 %.
    static const auto draw = [](const QString& letter, const QColor& fill) {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(3, 3, 26, 26), 6, 6);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(20);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(pixmap.rect(), Qt::AlignCenter, letter);
        painter.end();
        pixmap.setDevicePixelRatio(2);
        return QIcon(pixmap);
    };
    static const QIcon numeric = draw("#", QColor(0x2B, 0x6C, 0xB0));
    static const QIcon string = draw("A", QColor(0xA8, 0x5A, 0x1E));
    return text ? string : numeric;
}

QString VariableTypeName(int type) {
    return type == kVariableTypeString ? QObject::tr("string variable") : QObject::tr("numeric variable");
}

// ---- VariableList -------------------------------------------------------------------------------------

VariableList::VariableList(DialogWindow& window, CGUIBaseDlg& owner, UINT id)
    : m_window(window), m_owner(owner), m_id(id) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // The type mark is as tall as the text: it takes no room from the rows the list is sized for.
    ensurePolished();
    const int mark = fontMetrics().height() - 2;
    setIconSize({mark, mark});
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

void VariableList::SetRows(int rows) {
    m_rows = rows;
    updateGeometry();
}

QSize VariableList::sizeHint() const {
    // The font and frame are the style's only once polished.
    ensurePolished();
    const int row = fontMetrics().height() + 2;
    return {kListWidth, m_rows * row + 2 * frameWidth() + 4};
}

QSize VariableList::minimumSizeHint() const {
    return sizeHint();
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

namespace {

// The scroll area of the controls asks for all the room they want; the window decides how much of it
// the screen gives.
class BodyScroll final : public QScrollArea {
public:
    explicit BodyScroll(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }
    QSize sizeHint() const override {
        const int f = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(f, f) : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override {
        const QSize want = sizeHint();
        return {std::min(want.width(), 240), std::min(want.height(), 160)};
    }
};

constexpr int kRowSpacing = 6;

// Where a run of narrow rows is cut into `columns` columns (2 or 3): the first row of each column after
// the first. The columns are about equally tall; a cut goes before a heading rather than after one or
// inside a group of radio buttons. `heights` and `kinds` per row: 'h' a heading, 'r' a radio button, anything
// else.
std::vector<std::size_t> BalancedCuts(const std::vector<int>& heights, const std::string& kinds,
                                      int columns) {
    const std::size_t n = heights.size();
    std::vector<int> above(n + 1, 0);
    for (std::size_t k = 0; k < n; ++k)
        above[k + 1] = above[k] + heights[k];
    const auto cost = [&](std::size_t k) {
        if (kinds[k] == 'h')
            return -kRowSpacing * 3;
        if (kinds[k - 1] == 'h' || (kinds[k] == 'r' && kinds[k - 1] == 'r'))
            return kRowSpacing * 10;
        return 0;
    };
    std::vector<std::size_t> best;
    int bestScore = std::numeric_limits<int>::max();
    for (std::size_t a = 1; a < n; ++a) {
        if (columns == 2) {
            const int score = std::max(above[a], above[n] - above[a]) + cost(a);
            if (score < bestScore) {
                bestScore = score;
                best = {a};
            }
            continue;
        }
        for (std::size_t b = a + 1; b < n; ++b) {
            const int score =
                std::max({above[a], above[b] - above[a], above[n] - above[b]}) + cost(a) + cost(b);
            if (score < bestScore) {
                bestScore = score;
                best = {a, b};
            }
        }
    }
    return best;
}

int RowHeight(const DialogWindow::BuiltRow& r) {
    if (r.whole)
        return r.whole->sizeHint().height();
    return std::max(r.label ? r.label->sizeHint().height() : 0, r.field ? r.field->sizeHint().height() : 0);
}

QGridLayout* RowGrid(const std::vector<DialogWindow::BuiltRow>& rows, std::size_t first, std::size_t last) {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(kRowSpacing);
    int at = 0;
    for (std::size_t i = first; i < last; ++i, ++at) {
        const DialogWindow::BuiltRow& r = rows[i];
        if (r.whole) {
            grid->addWidget(r.whole, at, 0, 1, 2);
        } else {
            grid->addWidget(r.label, at, 0);
            grid->addWidget(r.field, at, 1);
        }
    }
    return grid;
}

// A label's text as a name: no accelerator mark, no closing colon.
QString NameOf(const QString& label) {
    QString name = label;
    name.remove(QRegularExpression("&(?!&)"));
    name = name.trimmed();
    if (name.endsWith(':'))
        name.chop(1);
    return name;
}

bool TakesFocus(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

// A multi-line edit hands its text to the dialog with the line ends of an edit control.
QString ToEditText(const QString& text) {
    QString out = text;
    return out.replace("\r\n", "\n").replace('\n', "\r\n");
}

}  // namespace

void DialogWindow::SetInteractive(bool interactive) {
    g_interactive = interactive;
}

bool DialogWindow::IsInteractive() {
    return g_interactive;
}

DialogWindow::DialogWindow(StudioSession& session, CGUIBaseDlg& dlg, QWidget* parent)
    : QDialog(parent), m_session(session), m_dlg(dlg) {
    setWindowTitle(ToQString(dlg.GetDlgCaption()));
    m_previousReport = m_session.onReport;
    m_session.onReport = [this](const HostReport& r) { Report(r); };

    auto* root = new QVBoxLayout(this);
    m_main.dlg = &dlg;
    m_body = new BodyScroll(this);
    m_main.holder = new QWidget;
    new QVBoxLayout(m_main.holder);
    m_main.holder->layout()->setContentsMargins(0, 0, 0, 0);
    m_body->setWidget(m_main.holder);
    root->addWidget(m_body, 1);

    m_picture = new QLabel(this);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->hide();
    root->addWidget(m_picture);
    if (auto* source = dynamic_cast<IPictureSource*>(&dlg)) {
        // The room of the picture is kept from the start: the window does not jump at the first compute.
        const auto [width, height] = source->PictureSize();
        m_picture->setMinimumSize(width, height);
        m_picture->setText(tr("The plots appear here once %1 has computed.")
                               .arg(NameOf(ToQString(dlg.Ctrl(IDOK).m_strText))));
        m_picture->show();
    }

    m_status = new QLabel(this);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setWordWrap(true);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 6);
    root->addWidget(m_status);

    const CTKCtrl* ok = dlg.FindCtrl(IDOK);
    m_previewBox = new QGroupBox(
        tr("Command lines %1 would send now").arg(ok ? NameOf(ToQString(ok->m_strText)) : tr("OK")), this);
    auto* previewLayout = new QVBoxLayout(m_previewBox);
    m_preview = new QPlainTextEdit(m_previewBox);
    m_preview->setReadOnly(true);
    m_preview->setFocusPolicy(Qt::ClickFocus);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFixedHeight(m_preview->fontMetrics().lineSpacing() * 4 + 12);
    m_preview->setAccessibleName(m_previewBox->title());
    previewLayout->addWidget(m_preview);
    root->addWidget(m_previewBox);

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
    // The preview asks the dialog for its lines as OK would, which takes a while on much data: it comes
    // right after the window's first paint, not before it.
    Refresh(false);
    SetTabOrder();
    installEventFilter(this);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::Paint && m_previewPending) {
        removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            if (m_previewPending && !m_refreshing && !m_dlg.IsEnded())
                Refresh();
        });
    }
    return QDialog::eventFilter(watched, event);
}

DialogWindow::~DialogWindow() {
    m_session.onReport = m_previousReport;
}

void DialogWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FitToScreen();
    QDialog::showEvent(event);
}

void DialogWindow::FitToScreen() {
    Relayout();
    const QRect free = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    QSize want = sizeHint().expandedTo(size());
    const QSize room = free.size() - kFrameRoom;
    if (want.height() > room.height())
        want.rwidth() += m_body->verticalScrollBar()->sizeHint().width();
    resize(want.boundedTo(room));
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
            if (HasLayoutHint(owner, id, "multiline")) {
                auto* edit = new QPlainTextEdit(parent);
                edit->setTabChangesFocus(true);
                edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * 5 + 12);
                connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &owner, id] {
                    const CString text = FromQString(ToEditText(edit->toPlainText()));
                    if (!m_refreshing && text != owner.Ctrl(id).m_strText)
                        Act([&] { m_session.Text(owner, id, text, true); });
                });
                widget = edit;
                break;
            }
            auto* edit = new QLineEdit(parent);
            // A number edit takes what may become a number (a sign, digits, the decimal symbol, an
            // exponent); the dialog's range check says the rest.
            if (c.GetKind() == ControlKind::IntEdit)
                edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[-+]?[0-9]*"), edit));
            else if (c.GetKind() == ControlKind::DoubleEdit)
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression("[-+]?[0-9]*([.,][0-9]*)?([eE][-+]?[0-9]*)?"), edit));
            connect(edit, &QLineEdit::textEdited, this, [this, &owner, id](const QString& text) {
                Act([&] { m_session.Text(owner, id, FromQString(text)); });
            });
            if (c.GetKind() == ControlKind::FileEdit) {
                QAction* browse = edit->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                  QLineEdit::TrailingPosition);
                browse->setToolTip(tr("Choose a file"));
                connect(browse, &QAction::triggered, this, [this, edit, &owner, id] {
                    QFileDialog chooser(this, windowTitle(), edit->text(),
                                        tr("Result files (*.tvz);;All files (*)"));
                    chooser.setAcceptMode(QFileDialog::AcceptSave);
                    chooser.setDefaultSuffix("tvz");
                    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) {
                        const CString file = FromQString(chooser.selectedFiles().constFirst());
                        Act([&] { m_session.Text(owner, id, file); });
                    }
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
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            connect(combo, &QComboBox::activated, this,
                    [this, &owner, id](int index) { Act([&] { m_session.Combo(owner, id, index); }); });
            widget = combo;
            break;
        }
        case ControlKind::List: {
            auto* list = new VariableList(*this, owner, id);
            list->setParent(parent);
            const bool source = static_cast<const CGUIListCtrl&>(c).IsSourceList();
            list->SetRows(HasLayoutHint(owner, id, "one") ? 1 : source ? kSourceListRows : kTargetListRows);
            widget = list;
            break;
        }
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
            // Every tab in sight: the window is as wide as its tabs.
            m_tabs->setUsesScrollButtons(false);
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
    page.labelOf.clear();
    if (&page == &m_main)
        m_tabs = nullptr;
    page.content = new QWidget(page.holder);
    page.holder->layout()->addWidget(page.content);
    const DialogPlan plan = PlanDialog(*page.dlg);
    page.built = page.dlg->GetCtrlIDs();
    page.order = plan.order;

    // A list with its title above it.
    const auto titledList = [&](UINT id, QWidget* parent) {
        auto* box = new QWidget(parent);
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(0, 0, 0, 0);
        const auto titled = plan.listTitles.find(id);
        auto* title = titled == plan.listTitles.end()
                          ? new QLabel(PlainText(page.dlg->Ctrl(id).m_strText), box)
                          : static_cast<QLabel*>(MakeWidget(page, titled->second, box));
        title->setVisible(!title->text().isEmpty());
        QWidget* list = MakeWidget(page, id, box);
        title->setBuddy(list);
        page.labelOf[list] = title;
        v->addWidget(title);
        v->addWidget(list, 1);
        return box;
    };

    std::vector<BuiltRow> rows;
    delete page.content->layout();
    for (const LayoutRow& r : plan.rows) {
        BuiltRow built;
        if (r.kind == LayoutRow::Kind::Labelled) {
            built.label = MakeWidget(page, r.ids[0], page.content);
            built.field = MakeWidget(page, r.ids[1], page.content);
            if (auto* l = qobject_cast<QLabel*>(built.label))
                l->setBuddy(built.field);
            page.labelOf[built.field] = built.label;
            if (qobject_cast<QPlainTextEdit*>(built.field)) {
                // A multi-line field stands under its label, across the page.
                built.whole = new QWidget(page.content);
                auto* v = new QVBoxLayout(built.whole);
                v->setContentsMargins(0, 0, 0, 0);
                built.label->setParent(built.whole);
                built.field->setParent(built.whole);
                if (auto* l = qobject_cast<QLabel*>(built.label))
                    l->setWordWrap(true);
                v->addWidget(built.label);
                v->addWidget(built.field);
                built.label = built.field = nullptr;
            }
        } else if (r.kind == LayoutRow::Kind::PictureCaptions) {
            built.whole = new QWidget(page.content);
            built.wide = true;
            auto* v = new QVBoxLayout(built.whole);
            v->setContentsMargins(0, 0, 0, 0);
            auto* captions = new QHBoxLayout;
            for (UINT id : r.ids) {
                auto* caption = static_cast<QLabel*>(MakeWidget(page, id, built.whole));
                caption->setAlignment(Qt::AlignCenter);
                captions->addWidget(caption, 1);
            }
            v->addLayout(captions);
            m_picture->setParent(built.whole);
            v->addWidget(m_picture);
        } else if (r.kind == LayoutRow::Kind::ListBlock) {
            built.whole = new QWidget(page.content);
            built.wide = true;
            auto* h = new QHBoxLayout(built.whole);
            h->setContentsMargins(0, 0, 0, 0);
            h->addWidget(titledList(r.ids[0], built.whole), 1);
            auto* targets = new QVBoxLayout;
            for (const LayoutRow::Target& t : r.targets) {
                auto* line = new QHBoxLayout;
                auto* buttons = new QVBoxLayout;
                buttons->addStretch();
                for (UINT b : {t.add, t.remove})
                    if (b)
                        buttons->addWidget(MakeWidget(page, b, built.whole));
                buttons->addStretch();
                line->addLayout(buttons);
                line->addWidget(titledList(t.list, built.whole), 1);
                targets->addLayout(line);
            }
            targets->addStretch();
            h->addLayout(targets, 1);
        } else if (page.dlg->Ctrl(r.ids[0]).GetKind() == ControlKind::List) {
            built.whole = titledList(r.ids[0], page.content);
        } else {
            built.whole = MakeWidget(page, r.ids[0], page.content);
            // A static on a row of its own may be long (the results the dialog writes into it).
            // Its room stays while it is empty: the window does not jump when the dialog writes it.
            if (auto* label = qobject_cast<QLabel*>(built.whole)) {
                label->setWordWrap(true);
                QSizePolicy policy = label->sizePolicy();
                policy.setRetainSizeWhenHidden(true);
                label->setSizePolicy(policy);
            }
        }
        rows.push_back(built);
    }

    // The dialog's own buttons stand at the very bottom of the window, outside the scroll area (a
    // composite's pages have none of their own).
    if (!plan.buttons.empty() && page.buttonRow) {
        qDeleteAll(page.buttonRow->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        delete page.buttonRow->layout();
        auto* buttons = new QHBoxLayout(page.buttonRow);
        buttons->setContentsMargins(0, 0, 0, 0);
        buttons->addStretch();
        for (UINT id : plan.buttons)
            buttons->addWidget(MakeWidget(page, id, page.buttonRow));
    }
    page.rows = std::move(rows);
    // Shown once its controls are made (those made in a shown widget would wait for the event loop to
    // show them) and at once, not at the next event loop as the layout would: the window measures it.
    page.content->show();
    // Texts and states first: they decide what the rows ask for.
    RefreshPage(page);
    ArrangePage(page);

    RefreshPage(page);
}

void DialogWindow::ArrangePage(Page& page) {
    // Runs of narrow rows between the wide ones, each in one column or cut into more.
    struct Run {
        std::size_t first, last;
        int columns;
    };
    std::vector<Run> runs;
    for (std::size_t i = 0; i < page.rows.size();) {
        if (page.rows[i].wide) {
            ++i;
            continue;
        }
        Run run{i, i, 1};
        while (run.last < page.rows.size() && !page.rows[run.last].wide)
            ++run.last;
        i = run.last;
        runs.push_back(run);
    }
    const auto heights = [&](const Run& r) {
        std::vector<int> h;
        for (std::size_t i = r.first; i < r.last; ++i)
            h.push_back(RowHeight(page.rows[i]) + kRowSpacing);
        return h;
    };
    const auto arrange = [&] {
        delete page.content->layout();
        auto* outer = new QVBoxLayout(page.content);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->setSpacing(kRowSpacing);
        std::size_t nextRun = 0;
        for (std::size_t i = 0; i < page.rows.size();) {
            if (page.rows[i].wide) {
                outer->addWidget(page.rows[i++].whole);
                continue;
            }
            const Run& run = runs[nextRun++];
            std::vector<std::size_t> bounds{run.first};
            if (run.columns > 1) {
                std::string kinds;
                for (std::size_t r = run.first; r < run.last; ++r) {
                    const QWidget* w = page.rows[r].whole ? page.rows[r].whole : page.rows[r].label;
                    kinds += qobject_cast<const QRadioButton*>(w)                        ? 'r'
                             : qobject_cast<const QLabel*>(w) && page.rows[r].whole == w ? 'h'
                                                                                         : '.';
                }
                for (std::size_t cut : BalancedCuts(heights(run), kinds, run.columns))
                    bounds.push_back(run.first + cut);
            }
            bounds.push_back(run.last);
            auto* columns = new QHBoxLayout;
            columns->setSpacing(3 * kRowSpacing);
            for (std::size_t c = 0; c + 1 < bounds.size(); ++c) {
                QGridLayout* grid = RowGrid(page.rows, bounds[c], bounds[c + 1]);
                // Each column starts at the top.
                grid->setRowStretch(static_cast<int>(bounds[c + 1] - bounds[c]), 1);
                columns->addLayout(grid, 1);
            }
            outer->addLayout(columns);
            i = run.last;
        }
        outer->addStretch(1);
    };
    // A page taller than the design screen allows gives its longest run one more column at a time, up
    // to three (the window's height is measured, not guessed).
    constexpr int kMaxColumns = 3;
    arrange();
    const int limit = kDesignScreen.height() - kFrameRoom.height();
    while (Relayout(), sizeHint().height() > limit) {
        Run* tallest = nullptr;
        double tallestHeight = 0;
        for (Run& r : runs) {
            const std::vector<int> h = heights(r);
            const double height = std::accumulate(h.begin(), h.end(), 0.0) / r.columns;
            if (r.columns < kMaxColumns && h.size() > static_cast<std::size_t>(r.columns) &&
                height > tallestHeight) {
                tallest = &r;
                tallestHeight = height;
            }
        }
        if (!tallest)
            break;
        ++tallest->columns;
        arrange();
    }
}

void DialogWindow::Relayout() {
    // Hints of widgets not polished yet are those of the default style; a layout keeps the size hints
    // of its widgets until they say they changed; the scroll area passes on nothing by itself.
    ensurePolished();
    const QList<QWidget*> all = findChildren<QWidget*>();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        (*it)->updateGeometry();
    for (QLayout* l : findChildren<QLayout*>())
        l->invalidate();
    layout()->invalidate();
    layout()->activate();
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
            // An untitled static holds a place; it shows only when the dialog writes into it. A label
            // goes with its field.
            visible = visible && !text.isEmpty();
            if (const CTKCtrl* field = label->buddy() ? FindCtrlOf(page, label->buddy()) : nullptr) {
                visible = visible && field->m_bVisible;
                label->setEnabled(c->m_bEnabled && field->m_bEnabled);
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != text)
                edit->setText(text);
            // A disabled edit is not range-checked: it shows no mark, as a disabled control is drawn
            // in the platform's own grey.
            edit->setStyleSheet(c->m_bEnabled ? ColorSheet(c->m_color) : QString());
        } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
            const QString shown = QString(text).replace("\r\n", "\n");
            if (lines->toPlainText() != shown)
                lines->setPlainText(shown);
            lines->setStyleSheet(QString(ColorSheet(c->m_color)).replace("QLineEdit", "QPlainTextEdit"));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text() != text)
                button->setText(text);
            if (button->isCheckable())
                button->setChecked(c->m_nChecked != 0);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStringList items;
            for (const CString& item : c->m_comboItems)
                items << ToQString(item);
            if (combo->property("items").toStringList() != items || combo->count() != items.size()) {
                combo->setProperty("items", items);
                combo->clear();
                combo->addItems(ShownComboItems(c->m_comboItems));
            }
            combo->setCurrentIndex(c->m_nComboIndex);
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            const auto& model = static_cast<const CGUIListCtrl&>(*c);
            const CVariableList& items = model.GetItems();
            bool same = list->count() == items.GetSize();
            for (int i = 0; same && i < list->count(); ++i)
                same = list->item(i)->text() == ToQString(items[i].GetVariableName()) &&
                       list->item(i)->data(Qt::UserRole).toInt() == items[i].GetVariableType();
            if (!same) {
                list->clear();
                // The item's text is the name the dialog reads back; the type is only drawn beside it,
                // in a list of the data's variables (not one of distributions or model terms).
                const bool variables = HoldsDataVariables(items);
                for (int i = 0; i < items.GetSize(); ++i) {
                    const int type = items[i].GetVariableType();
                    auto* item = new QListWidgetItem(ToQString(items[i].GetVariableName()), list);
                    item->setData(Qt::UserRole, type);
                    if (variables) {
                        item->setIcon(VariableTypeIcon(type));
                        item->setData(Qt::AccessibleDescriptionRole, VariableTypeName(type));
                        item->setToolTip(VariableTypeName(type));
                    }
                }
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
                title->setVisible(visible && !title->text().isEmpty());
            }
        }
        // A field is named by its label; a control with a text of its own by that.
        if (auto it = page.labelOf.find(widget); it != page.labelOf.end()) {
            const QString name = NameOf(it->second->property("text").toString());
            if (widget->accessibleName() != name)
                widget->setAccessibleName(name);
        }
        if (widget->isVisibleTo(widget->parentWidget()) != visible)
            widget->setVisible(visible);
    }
}

bool DialogWindow::HoldsDataVariables(const CVariableList& items) {
    if (m_dataTypes.empty())
        for (const DataVariableInfo& v : m_session.Host().Data().GetVariables())
            m_dataTypes.emplace(v.name.str(), v.type);
    for (int i = 0; i < items.GetSize(); ++i) {
        const auto it = m_dataTypes.find(std::wstring(items[i].GetVariableName().str()));
        if (it == m_dataTypes.end() || it->second != items[i].GetVariableType())
            return false;
    }
    return true;
}

const CTKCtrl* DialogWindow::FindCtrlOf(const Page& page, const QWidget* widget) const {
    for (const auto& [id, w] : page.widgets)
        if (w == widget)
            return page.dlg->FindCtrl(id);
    return nullptr;
}

void DialogWindow::SetTabOrder() {
    // The tab bar, the page's controls in the order the user meets them, then the dialog's own buttons.
    std::vector<QWidget*> chain;
    const auto add = [&](const Page& page, bool buttons) {
        for (UINT id : page.order) {
            auto it = page.widgets.find(id);
            if (it == page.widgets.end() || it->second == m_tabs)
                continue;
            if (IsStandardButton(page.dlg->Ctrl(id)) == buttons)
                chain.push_back(it->second);
        }
    };
    if (m_tabs)
        chain.push_back(m_tabs->tabBar());
    add(m_main, false);
    if (m_tabs && m_pages.count(m_tabs->currentIndex()))
        add(m_pages[m_tabs->currentIndex()], false);
    add(m_main, true);
    std::erase_if(chain, [](QWidget* w) { return !TakesFocus(w); });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    // The first control of the page has the focus, not the tab bar.
    for (QWidget* w : chain)
        if (w != (m_tabs ? m_tabs->tabBar() : nullptr) && w->isEnabled() && !w->isHidden()) {
            w->setFocus();
            break;
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

void DialogWindow::Refresh(bool withPreview) {
    m_refreshing = true;
    // The dialog may have turned to another page itself (an OK that a page refused).
    for (auto& [index, page] : m_pages)
        if (page.dlg == &m_dlg.GetActiveControlsDialog() && m_tabs && m_tabs->currentIndex() != index) {
            const QSignalBlocker block(m_tabs);
            m_tabs->setCurrentIndex(index);
        }
    bool rebuilt = false;
    for (Page* page : {&m_main}) {
        if (page->dlg->GetCtrlIDs() != page->built) {
            BuildPage(*page);
            rebuilt = true;
        }
        RefreshPage(*page);
    }
    for (auto& [index, page] : m_pages) {
        if (page.dlg->GetCtrlIDs() != page.built) {
            BuildPage(page);
            rebuilt = true;
        }
        RefreshPage(page);
    }
    m_previewPending = !withPreview;
    if (withPreview && !m_dlg.IsEnded()) {
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
            text = preview.reason.empty()
                       ? tr("(OK would be refused now)")
                       : tr("(OK would be refused now: %1)").arg(QString::fromStdString(preview.reason));
        if (m_preview->toPlainText() != text.trimmed())
            m_preview->setPlainText(text.trimmed());
        // What a refused OK said no longer holds once OK would go through.
        if (!preview.refused && m_okRefused) {
            m_okRefused = false;
            m_status->clear();
        }
        // Marks that the check just took off (a corrected value) show at once.
        for (auto& [index, page] : m_pages)
            RefreshPage(page);
        RefreshPage(m_main);
    }
    // A value loaded from the record may fail its range already when the dialog opens: say what the
    // colour means.
    const QString hint = tr("A field in pink holds a value outside its range: its tool tip gives the range.");
    const bool invalid = HasInvalidField();
    if (invalid && m_status->text().isEmpty())
        m_status->setText(hint);
    else if (!invalid && m_status->text() == hint)
        m_status->clear();
    m_refreshing = false;
    if (rebuilt)
        SetTabOrder();
}

bool DialogWindow::HasInvalidField() const {
    const auto invalid = [](const Page& page) {
        for (const auto& [id, widget] : page.widgets) {
            const CTKCtrl* c = page.dlg->FindCtrl(id);
            if (c && c->IsEdit() && c->m_color != kColorWhite && c->m_bEnabled && c->m_bVisible)
                return true;
        }
        return false;
    };
    if (invalid(m_main))
        return true;
    for (const auto& [index, page] : m_pages)
        if (m_tabs && index == m_tabs->currentIndex() && invalid(page))
            return true;
    return false;
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
    // A longer text (a range, a result) may want more room than the window has: it grows, once the
    // layouts have heard of it.
    QTimer::singleShot(0, this, [this] {
        const QSize want = m_body->widget()->sizeHint();
        const QSize have = m_body->viewport()->size();
        if (isVisible() && (want.width() > have.width() || want.height() > have.height()))
            FitToScreen();
    });
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
    SetTabOrder();
    if (first && isVisible())
        FitToScreen();
}

void DialogWindow::PressOk() {
    m_status->clear();
    bool refused = false;
    Act([&] { refused = !m_session.Ok(m_dlg) && !m_dlg.IsEnded(); });
    if (m_dlg.IsEnded())
        return;
    if (refused) {
        m_okRefused = true;
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
    std::vector<unsigned char> png;
    QPixmap pixmap;
    if (source && source->PicturePng(png))
        pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
    if (!pixmap.isNull())
        m_picture->setPixmap(pixmap);
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

QString DialogWindow::PreviewText() {
    if (m_previewPending && !m_dlg.IsEnded())
        Refresh();
    return m_preview->toPlainText();
}

int StudioDriver::Run(CGUIBaseDlg& dlg) {
    DialogWindow window(m_session, dlg, m_parent);
    window.exec();
    if (!dlg.IsEnded())
        m_session.Cancel(dlg);
    return dlg.GetResult();
}
