#include "Studio/MainWindow.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <map>

#include "Host/HostData.h"
#include "Host/HostMenu.h"
#include "Studio/CsvNames.h"
#include "Studio/HelpWindow.h"

// The cells the host kept of the loaded file: variables as columns (the header row names them), cases
// as rows.
class CellTableModel final : public QAbstractTableModel {
public:
    explicit CellTableModel(HostData& data) : m_data(data) {}
    void Reset() {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        const auto& cells = m_data.GetCells();
        return parent.isValid() || cells.empty() ? 0 : static_cast<int>(cells.size()) - 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        const auto& cells = m_data.GetCells();
        return parent.isValid() || cells.empty() ? 0 : static_cast<int>(cells.front().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        // Numbers line up on their last digit, as in every table of figures.
        if (role == Qt::TextAlignmentRole && index.isValid() && index.column() < m_data.GetVariableCount() &&
            m_data.GetVariables()[static_cast<std::size_t>(index.column())].type != kVariableTypeString)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const auto& row = m_data.GetCells()[static_cast<std::size_t>(index.row()) + 1];
        const auto column = static_cast<std::size_t>(index.column());
        return column < row.size() ? QString::fromStdString(row[column]) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if ((role == Qt::ToolTipRole || role == Qt::DecorationRole) && orientation == Qt::Horizontal &&
            section < m_data.GetVariableCount()) {
            const int type = m_data.GetVariables()[static_cast<std::size_t>(section)].type;
            return role == Qt::ToolTipRole ? QVariant(VariableTypeName(type))
                                           : QVariant(VariableTypeIcon(type));
        }
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        // The name, and under it the kind of variable it is.
        const auto& header = m_data.GetCells().front();
        const QString name = QString::fromStdString(header[static_cast<std::size_t>(section)]);
        if (section >= m_data.GetVariableCount())
            return name;
        const bool text =
            m_data.GetVariables()[static_cast<std::size_t>(section)].type == kVariableTypeString;
        return name + "\n" + (text ? QObject::tr("string") : QObject::tr("numeric"));
    }

private:
    HostData& m_data;
};

MainWindow::MainWindow(StudioSession& session)
    : m_session(session), m_driver(session, this), m_previousDriver(GetDialogDriver()) {
    InstallDialogDriver(&m_driver);
    setWindowTitle(tr("tvkstudio"));
    auto* split = new QSplitter(Qt::Vertical, this);
    m_cells = std::make_unique<CellTableModel>(session.Host().Data());
    // Without data, the data pane says how to get some and what works without.
    m_dataPane = new QStackedWidget(split);
    m_noData =
        new QLabel(tr("<p><b>No data loaded.</b></p><p>Open a CSV file with <b>File &gt; Open Data...</b> "
                      "(Ctrl+O), or start tvkstudio with the file's name.</p><p>Power analysis, "
                      "experimental designs, random samples and the probability calculator work "
                      "without data.</p><p>F1 opens the help on every procedure.</p>"),
                   m_dataPane);
    m_noData->setAlignment(Qt::AlignCenter);
    m_noData->setWordWrap(true);
    m_dataPane->addWidget(m_noData);
    m_dataView = new QTableView(m_dataPane);
    m_dataPane->addWidget(m_dataView);
    m_dataView->setModel(m_cells.get());
    m_dataView->verticalHeader()->setDefaultSectionSize(m_dataView->fontMetrics().height() + 6);
    m_log = new QPlainTextEdit(split);
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setPlaceholderText(tr("Every line the kernel receives appears here."));
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    setCentralWidget(split);
    statusBar();
    BuildMenus();
    m_session.onReport = [this](const HostReport& report) {
        if (report.kind == HostReport::Kind::Line)
            m_log->appendPlainText(QString::fromStdString(report.text));
        else
            statusBar()->showMessage(QString::fromStdString(report.text));
    };
    UpdateMenus();
    resize(900, 640);
}

MainWindow::~MainWindow() {
    m_session.onReport = nullptr;
    InstallDialogDriver(m_previousDriver);
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open Data..."), QKeySequence::Open, this, [this] { OpenData(); });
    file->addSeparator();
    file->addAction(tr("Open &Records..."), this, [this] { OpenRecords(); });
    file->addAction(tr("&Save Records..."), QKeySequence::Save, this, [this] { SaveRecords(); });
    file->addAction(tr("Save Command &Log..."), this, [this] { SaveLog(); });
    file->addAction(tr("Save Session Scrip&t..."), this, [this] { SaveScript(); });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, [this] { close(); });

    // The module's menus from their texts, top menu down to the item; a text's "&" marks its
    // accelerator and its tab the shortcut.
    std::map<std::vector<std::wstring>, QMenu*> menus;
    for (const HostMenuItem& item : ModuleMenuItems()) {
        QMenu* menu = nullptr;
        std::vector<std::wstring> path;
        for (std::size_t i = 0; i + 1 < item.chain.size(); ++i) {
            path.push_back(item.chain[i]);
            QMenu*& at = menus[path];
            if (!at) {
                const QString title = QString::fromStdWString(item.chain[i]);
                at = menu ? menu->addMenu(title) : menuBar()->addMenu(title);
                connect(at, &QMenu::aboutToShow, this, [this] { UpdateMenus(); });
            }
            menu = at;
        }
        const std::wstring& text = item.chain.back();
        const QString title = QString::fromStdWString(text.substr(0, text.find(L'\t')));
        QAction* action = menu ? menu->addAction(title) : menuBar()->addAction(title);
        if (const std::wstring shortcut = MenuShortcut(text); !shortcut.empty())
            action->setShortcut(QKeySequence(QString::fromStdWString(shortcut)));
        const UINT command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { Choose(command); });
        m_commands.emplace_back(command, action);
    }

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Procedures..."), QKeySequence::HelpContents, this, [this] { ShowHelp(); });
    help->addSeparator();
    help->addAction(tr("&About tvkstudio"), this, [this] { About(); });
    help->addAction(tr("About &Qt"), this, [] { QApplication::aboutQt(); });
}

HelpIndexWindow* MainWindow::ShowHelp(UINT command) {
    if (!m_helpIndex)
        m_helpIndex = new HelpIndexWindow(this);
    if (!(command && m_helpIndex->Show(command)) && !(m_lastCommand && m_helpIndex->Show(m_lastCommand)) &&
        !m_helpIndex->Shown() && m_helpIndex->List()->count() > 0)
        m_helpIndex->List()->setCurrentRow(0);
    m_helpIndex->show();
    m_helpIndex->raise();
    m_helpIndex->activateWindow();
    return m_helpIndex;
}

void MainWindow::About() {
    QMessageBox::about(this, tr("About tvkstudio"),
                       tr("<p><b>tvkstudio</b></p><p>The desktop host of the DlgStat1 dialog module: the "
                          "procedures' dialogs, the command lines they send, and their help. It shares the "
                          "reference host's code: <code>tvkhost run</code> of a saved session script sends "
                          "the same lines.</p><p>Built with Qt %1, running on Qt %2.</p>")
                           .arg(QT_VERSION_STR, qVersion()));
}

void MainWindow::UpdateMenus() {
    for (const auto& [command, action] : m_commands) {
        const CCmdUI ui = m_session.Host().UpdateCommand(command);
        action->setEnabled(ui.m_bEnabled);
        action->setCheckable(ui.m_nCheck != 0);
        action->setChecked(ui.m_nCheck != 0);
    }
}

QAction* MainWindow::CommandAction(UINT command) const {
    for (const auto& [id, action] : m_commands)
        if (id == command)
            return action;
    return nullptr;
}

void MainWindow::Choose(UINT command) {
    HostApp& host = m_session.Host();
    if (!host.IsModuleCommand(command) || !host.UpdateCommand(command).m_bEnabled)
        return;
    m_session.TakeStatus();
    m_lastCommand = command;
    try {
        m_session.Choose(command);
    } catch (const std::exception& e) {
        ShowError(QString::fromStdString(e.what()));
    }
    // What the dialog said while it was open was about its controls, which are gone.
    statusBar()->clearMessage();
    UpdateMenus();
}

void MainWindow::LoadData(const QString& path) {
    try {
        m_session.LoadData(path.toStdString());
    } catch (const HostError& e) {
        if (!LoadWithValidNames(path, QString::fromStdString(e.what())))
            return;
    }
    m_cells->Reset();
    m_dataPane->setCurrentWidget(m_dataView);
    setWindowTitle(tr("%1 - tvkstudio").arg(QFileInfo(path).fileName()));
    m_dataView->resizeColumnsToContents();
    statusBar()->showMessage(tr("%1: %2 variables, %3 cases")
                                 .arg(path)
                                 .arg(m_session.Host().Data().GetVariableCount())
                                 .arg(m_session.Host().Data().GetCaseCount()));
    UpdateMenus();
}

bool MainWindow::LoadWithValidNames(const QString& path, const QString& error) {
    QFile file(path);
    if (file.size() > static_cast<qint64>(kMaxStoreBytes) || !file.open(QIODevice::ReadOnly)) {
        ShowError(error);
        return false;
    }
    const RenamedHeader renamed = MakeHeaderNamesValid(file.readAll().toStdString());
    if (renamed.renamed.empty()) {
        ShowError(error);
        return false;
    }
    QStringList changes;
    for (const auto& [from, to] : renamed.renamed)
        changes << tr("\"%1\" as %2").arg(QString::fromStdString(from), QString::fromStdString(to));
    const QString question = tr("%1\n\nThe header row holds names a command line cannot take. Load the file "
                                "with these names instead?\n\n%2")
                                 .arg(error, changes.join("\n"));
    if (DialogWindow::IsInteractive() &&
        QMessageBox::question(this, windowTitle(), question) != QMessageBox::Yes)
        return false;
    try {
        m_session.Host().Data().LoadCsvText(renamed.text, path.toStdString());
    } catch (const HostError& e) {
        ShowError(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

QString MainWindow::LogText() const {
    return m_log->toPlainText();
}

void MainWindow::OpenData() {
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open Data"), {}, tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        LoadData(path);
}

void MainWindow::OpenRecords() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Records"), {},
                                                      tr("Record stores (*.tvr);;All files (*)"));
    if (path.isEmpty())
        return;
    try {
        m_session.OpenRecords(path.toStdString());
    } catch (const std::exception& e) {
        ShowError(QString::fromStdString(e.what()));
    }
    UpdateMenus();
}

QString MainWindow::AskSaveFile(const QString& title, const QString& filter, const QString& suffix) {
    QFileDialog chooser(this, title, {}, filter);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(suffix);
    return chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()
               ? chooser.selectedFiles().constFirst()
               : QString();
}

void MainWindow::SaveRecords() {
    const QString path = AskSaveFile(tr("Save Records"), tr("Record stores (*.tvr);;All files (*)"), "tvr");
    if (path.isEmpty())
        return;
    try {
        m_session.SaveRecords(path.toStdString());
    } catch (const std::exception& e) {
        ShowError(QString::fromStdString(e.what()));
    }
}

void MainWindow::SaveLog() {
    const QString path = AskSaveFile(tr("Save Command Log"), tr("Text files (*.txt);;All files (*)"), "txt");
    if (path.isEmpty())
        return;
    try {
        m_session.SaveLog(path.toStdString());
    } catch (const std::exception& e) {
        ShowError(QString::fromStdString(e.what()));
    }
}

void MainWindow::SaveScript() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Session Script"), {},
                                                      tr("Session scripts (*.tvs);;All files (*)"));
    if (path.isEmpty())
        return;
    try {
        m_session.SaveScript((QFileInfo(path).suffix().isEmpty() ? path + ".tvs" : path).toStdString());
    } catch (const std::exception& e) {
        ShowError(QString::fromStdString(e.what()));
    }
}

void MainWindow::ShowError(const QString& text) {
    QMessageBox::warning(this, windowTitle(), text);
}
