#include "StudioSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>

#include "Host/HostScript.h"

std::string ExampleData() {
    return std::string(DLGSTAT1_TEST_SOURCE_DIR) + "/Resources/data/example.csv";
}

StudioFixture::StudioFixture() {
    session.Host().LoadModule();
    session.LoadData(ExampleData());
}

namespace {

class WindowDriver final : public IDialogDriver {
public:
    WindowDriver(StudioSession& session, std::function<void(DialogWindow&)> play)
        : m_session(session), m_play(std::move(play)), m_previous(GetDialogDriver()) {
        InstallDialogDriver(this);
    }
    ~WindowDriver() override { InstallDialogDriver(m_previous); }
    int Run(CGUIBaseDlg& dlg) override {
        DialogWindow window(m_session, dlg);
        window.show();
        m_play(window);
        if (!dlg.IsEnded())
            dlg.OnCancel();
        return dlg.GetResult();
    }

private:
    StudioSession& m_session;
    std::function<void(DialogWindow&)> m_play;
    IDialogDriver* m_previous;
};

template <class W>
W& WidgetOf(DialogWindow& window, const std::string& id) {
    auto* w = dynamic_cast<W*>(window.Widget(static_cast<UINT>(std::stoul(id))));
    if (!w)
        throw std::invalid_argument("no widget of that kind for control " + id);
    return *w;
}

int Row(const QListWidget& list, const std::string& name) {
    const auto found = list.findItems(QString::fromStdString(name), Qt::MatchExactly);
    if (found.isEmpty())
        throw std::invalid_argument("no item " + name);
    return list.row(found.front());
}

std::vector<CString> Names(const QListWidget& list, std::vector<ScriptWord>::const_iterator first,
                           std::vector<ScriptWord>::const_iterator last) {
    std::vector<CString> names;
    for (auto it = first; it != last; ++it)
        if (it->text == "*")
            for (int i = 0; i < list.count(); ++i)
                names.push_back(FromQString(list.item(i)->text()));
        else
            names.push_back(CString::FromUtf8(it->text));
    return names;
}

}  // namespace

void RunInWindow(StudioSession& session, UINT command, const std::function<void(DialogWindow&)>& play) {
    RunInWindow(
        session, [&] { session.Host().RouteCommand(command); }, play);
}

void RunInWindow(StudioSession& session, const std::function<void()>& open,
                 const std::function<void(DialogWindow&)>& play) {
    WindowDriver driver(session, play);
    open();
}

void PlayOnWidgets(DialogWindow& window, const std::string& line) {
    const std::vector<ScriptWord> w = SplitScriptLine(line, 1);
    const std::string& command = w.at(0).text;
    if (command == "text") {
        auto& edit = WidgetOf<QLineEdit>(window, w.at(1).text);
        edit.selectAll();
        if (w.at(2).text.empty())
            QTest::keyClick(&edit, Qt::Key_Delete);
        else
            QTest::keyClicks(&edit, QString::fromStdString(w.at(2).text));
    } else if (command == "check") {
        auto& box = WidgetOf<QAbstractButton>(window, w.at(1).text);
        if (box.isChecked() != (w.at(2).text == "1"))
            box.click();
    } else if (command == "radio" || command == "click") {
        WidgetOf<QAbstractButton>(window, w.at(1).text).click();
    } else if (command == "ok" || command == "cancel") {
        WidgetOf<QAbstractButton>(window, command == "ok" ? "1" : "2").click();
    } else if (command == "combo") {
        auto& combo = WidgetOf<QComboBox>(window, w.at(1).text);
        int index = combo.findText(QString::fromStdString(w.at(2).text), Qt::MatchStartsWith);
        if (w.at(2).text.find_first_not_of("0123456789") == std::string::npos)
            index = std::stoi(w.at(2).text);
        combo.setCurrentIndex(index);
        emit combo.activated(index);
    } else if (command == "select") {
        auto& list = WidgetOf<QListWidget>(window, w.at(1).text);
        QItemSelection selection;
        for (const CString& name : Names(list, w.begin() + 2, w.end())) {
            const QModelIndex at = list.model()->index(Row(list, name.ToUtf8()), 0);
            selection.select(at, at);
        }
        list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    } else if (command == "dblclick") {
        auto& list = WidgetOf<QListWidget>(window, w.at(1).text);
        QListWidgetItem* item = list.item(Row(list, w.at(2).text));
        list.scrollToItem(item);
        const QPoint at = list.visualItemRect(item).center();
        // The first click selects the item alone; the second makes the double-click.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    } else if (command == "drag") {
        auto& from = WidgetOf<VariableList>(window, w.at(1).text);
        const std::vector<CString> names = Names(from, w.begin() + 2, w.end() - 2);
        const std::string to = w.back().text;
        std::unique_ptr<QMimeData> data(from.DragData(names));
        if (to == "0")
            from.DropOutside(names);
        else
            WidgetOf<VariableList>(window, to).Drop(data.get());
    } else if (command == "context") {
        std::unique_ptr<QMenu> menu(WidgetOf<VariableList>(window, w.at(1).text).MakeContextMenu(nullptr));
        if (!menu)
            throw std::invalid_argument("list " + w.at(1).text + " has no context menu");
        for (QAction* action : menu->actions())
            if (action->data().toUInt() == std::stoul(w.at(2).text))
                action->trigger();
    } else if (command == "page") {
        window.Tabs()->setCurrentIndex(std::stoi(w.at(1).text));
    } else {
        throw std::invalid_argument("no widget play for '" + command + "'");
    }
}

std::vector<std::string> KernelLines(const HostApp& host) {
    std::vector<std::string> lines;
    for (const CString& line : host.KernelLog())
        lines.push_back(line.ToUtf8());
    return lines;
}
