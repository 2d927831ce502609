// Every dialog of the module's menus, one row each, opened on the example data in a real window: it fits
// the screen with OK in sight, reads well (a picture of each page goes to the build folder), every Alt
// letter works, and every control has a name and a place in the tab order.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "Host/ControlOrder.h"
#include "Host/HostMenu.h"
#include "Studio/MainWindow.h"
#include "StudioSupport.h"
#include "TvkBaseGui/IPictureSource.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

// Every item of the menus, which come with the module (loaded here, as listing the tests runs no
// session); those the example data leaves disabled, and those that open no dialog, are skipped when
// they run.
std::vector<UINT> DialogCommands() {
    static void* const module = dlopen(DLGSTAT1_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!module)
        ADD_FAILURE() << DLGSTAT1_MODULE_PATH << ": " << dlerror();
    std::vector<UINT> commands;
    for (const HostMenuItem& item : ModuleMenuItems())
        commands.push_back(item.command);
    return commands;
}

std::wstring PathOf(UINT command) {
    for (const HostMenuItem& item : ModuleMenuItems())
        if (item.command == command)
            return MenuPath(item.chain);
    return {};
}

// Opens the dialog and calls `check` on each of its pages (a plain dialog has one), shown.
void ForEachPage(UINT command, const std::function<void(DialogWindow&, int page)>& check) {
    StudioFixture f;
    if (!f.session.Host().UpdateCommand(command).m_bEnabled)
        GTEST_SKIP() << "disabled";
    bool opened = false;
    RunInWindow(f.session, command, [&](DialogWindow& window) {
        opened = true;
        const int pages = window.Tabs() ? window.Tabs()->count() : 1;
        for (int page = 0; page < pages; ++page) {
            SCOPED_TRACE("page " + std::to_string(page));
            if (window.Tabs())
                window.Tabs()->setCurrentIndex(page);
            QTest::qWait(5);
            check(window, page);
        }
        PlayOnWidgets(window, "cancel");
    });
    // Items without a dialog (the series commands) send their lines and open nothing.
    if (!opened)
        GTEST_SKIP() << "no dialog";
}

bool Shown(const QWidget* w) {
    return w->isVisible() && !qobject_cast<const QTabBar*>(w->parentWidget());
}

template <class W>
std::vector<W*> ShownChildren(const QWidget& window) {
    std::vector<W*> out;
    for (W* w : window.findChildren<W*>())
        if (Shown(w))
            out.push_back(w);
    return out;
}

// What a reader of the picture would complain of: a text cut off (a widget narrower or lower than it
// needs), two controls on top of each other, a control outside the window.
std::vector<std::string> LayoutFaults(const DialogWindow& window) {
    std::vector<std::string> faults;
    std::vector<const QWidget*> controls;
    const QWidget* viewport = window.Body()->viewport();
    const QRect inSight(viewport->mapTo(&window, QPoint(0, 0)), viewport->size());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        // What the page has scrolled out of sight is for the scroll bar to reach.
        if (viewport->isAncestorOf(w) && !inSight.contains(QRect(w->mapTo(&window, QPoint(0, 0)), w->size())))
            continue;
        if (!w->isVisible() || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
                                 qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                                 qobject_cast<const QListWidget*>(w)))
            continue;
        // Parts of other widgets (a line edit's button, a tab bar's scroller) are theirs to place.
        if (qobject_cast<const QLineEdit*>(w->parentWidget()) ||
            qobject_cast<const QComboBox*>(w->parentWidget()) || w->objectName().startsWith("qt_"))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->pixmap().isNull())
            continue;
        const QString name =
            QString("%1 '%2'").arg(w->metaObject()->className(), w->property("text").toString());
        const QSize need = w->minimumSizeHint();
        if (w->width() < need.width() || w->height() < need.height())
            faults.push_back(QString("%1 cut off: %2x%3 of %4x%5")
                                 .arg(name)
                                 .arg(w->width())
                                 .arg(w->height())
                                 .arg(need.width())
                                 .arg(need.height())
                                 .toStdString());
        const QRect at(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (!window.rect().contains(at))
            faults.push_back(name.toStdString() + " outside the window");
        for (const QWidget* other : controls) {
            const QRect there(other->mapTo(&window, QPoint(0, 0)), other->size());
            if (at.intersects(there) && !w->isAncestorOf(other) && !other->isAncestorOf(w))
                faults.push_back(name.toStdString() + " overlaps " + other->metaObject()->className() + " '" +
                                 other->property("text").toString().toStdString() + "'");
        }
        controls.push_back(w);
    }
    return faults;
}

class EveryDialog : public ::testing::TestWithParam<UINT> {};

std::string RowName(const ::testing::TestParamInfo<UINT>& info) {
    std::string name =
        std::to_string(info.param) + "_" + QString::fromStdWString(PathOf(info.param)).toStdString();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

// The window fits the screen it opens on, with OK, Cancel and Reset in sight and out of the scrolled
// part; on the smallest screen the dialogs are laid out for, at 100 %, nothing needs scrolling at all.
TEST_P(EveryDialog, FitsTheScreenWithOkInSight) {
    const QDir folder(QString(DLGSTAT1_BUILD_DIR) + "/studio-screenshots");
    QDir().mkpath(folder.path());
    const qreal scale = QGuiApplication::primaryScreen()->devicePixelRatio();
    ForEachPage(GetParam(), [&](DialogWindow& window, int page) {
        const auto shoot = [&](const QString& suffix) {
            if (scale == 1.0) {
                EXPECT_FALSE(window.Body()->verticalScrollBar()->isVisible())
                    << "the page scrolls" << suffix.toStdString();
                EXPECT_FALSE(window.Body()->horizontalScrollBar()->isVisible())
                    << "the page scrolls sideways" << suffix.toStdString();
            }
            QString name = QString::number(GetParam()) + "_" + QString::fromStdWString(PathOf(GetParam()));
            name.replace(QRegularExpression("[^A-Za-z0-9_]+"), "-");
            name += QString("_page%1%2@%3.png").arg(page).arg(suffix).arg(qRound(scale * 100));
            // The lines OK would send, as the window shows them once painted.
            window.PreviewText();
            EXPECT_TRUE(window.grab().save(folder.filePath(name)));
            for (const std::string& fault : LayoutFaults(window))
                ADD_FAILURE() << fault;
        };
        const QRect free = window.screen()->availableGeometry();
        EXPECT_LE(window.width(), free.width());
        EXPECT_LE(window.height(), free.height());
        if (scale == 1.0) {
            EXPECT_LE(window.sizeHint().width(), DialogWindow::kDesignScreen.width());
            EXPECT_LE(window.sizeHint().height(), DialogWindow::kDesignScreen.height());
        }
        for (UINT id : {IDOK, IDCANCEL, IDC_RESET}) {
            QWidget* button = nullptr;
            for (QAbstractButton* b : ShownChildren<QAbstractButton>(window))
                if (const CTKCtrl* c = window.Dialog().FindCtrl(id);
                    c && b->text() == QString::fromStdWString(std::wstring(c->m_strText.str())))
                    button = b;
            if (!window.Dialog().FindCtrl(id))
                continue;
            ASSERT_NE(button, nullptr) << id;
            EXPECT_FALSE(window.Body()->isAncestorOf(button)) << id << " scrolls with the page";
            EXPECT_TRUE(window.rect().contains(QRect(button->mapTo(&window, QPoint()), button->size())))
                << id;
        }
        shoot("");
        // A dialog that draws: its picture after computing with its defaults.
        if (dynamic_cast<IPictureSource*>(&window.Dialog())) {
            PlayOnWidgets(window, "ok");
            QTest::qWait(5);
            shoot("_computed");
        }
    });
}

// The letter after "&" of a text, lower case; 0 when there is none.
QChar AltLetter(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// In one window (the page shown and the dialog's buttons) no two controls share an Alt letter, and a
// text the template or the radio table marks keeps its mark on screen.
TEST_P(EveryDialog, AltLettersAreUniqueAndKept) {
    ForEachPage(GetParam(), [&](DialogWindow& window, int) {
        std::map<QChar, QString> taken;
        const auto take = [&](const QString& text) {
            const QChar letter = AltLetter(text);
            if (letter.isNull())
                return;
            const auto [it, fresh] = taken.emplace(letter, text);
            EXPECT_TRUE(fresh) << "Alt+" << QString(letter).toStdString() << ": \""
                               << it->second.toStdString() << "\" and \"" << text.toStdString() << "\"";
        };
        for (QAbstractButton* b : ShownChildren<QAbstractButton>(window))
            take(b->text());
        for (QLabel* l : ShownChildren<QLabel>(window))
            if (l->buddy())
                take(l->text());
        if (QTabWidget* tabs = window.Tabs())
            for (int i = 0; i < tabs->count(); ++i)
                take(tabs->tabText(i));

        CGUIBaseDlg& shown = window.Dialog().GetActiveControlsDialog();
        for (CGUIBaseDlg* dlg : {&window.Dialog(), &shown}) {
            const DialogTemplate* t = ResourceTables::Get().FindTemplate(dlg->GetTemplateID());
            for (const TemplateControl& c : t ? t->controls : std::vector<TemplateControl>{}) {
                const auto* button = qobject_cast<QAbstractButton*>(window.Widget(c.id));
                if (button && AltLetter(button->text()).isNull() && c.text.Find(L'&') >= 0)
                    ADD_FAILURE() << c.id << " lost its Alt letter: \"" << button->text().toStdString()
                                  << "\"";
            }
        }
    });
}

QString AccessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

// Every control the keyboard reaches has a name a screen reader can say, and Tab goes through the
// page in the order the user meets its controls (after the tab bar), then to the dialog's buttons.
TEST_P(EveryDialog, NamedAndTabbedInPageOrder) {
    ForEachPage(GetParam(), [&](DialogWindow& window, int) {
        CGUIBaseDlg& shown = window.Dialog().GetActiveControlsDialog();
        std::vector<QWidget*> want;
        std::vector<QWidget*> buttons;
        if (window.Tabs())
            want.push_back(window.Tabs()->tabBar());
        for (CGUIBaseDlg* dlg : {&window.Dialog(), &shown}) {
            for (UINT id : OrderControls(*dlg).ids) {
                QWidget* w = window.Widget(id);
                if (!w || w == window.Tabs() || !w->isVisible() || !w->isEnabled() ||
                    !(w->focusPolicy() & Qt::TabFocus) || std::count(want.begin(), want.end(), w) ||
                    std::count(buttons.begin(), buttons.end(), w))
                    continue;
                (IsStandardButton(dlg->Ctrl(id)) ? buttons : want).push_back(w);
                EXPECT_FALSE(AccessibleName(w).isEmpty())
                    << id << " " << w->metaObject()->className() << " has no name";
            }
        }
        want.insert(want.end(), buttons.begin(), buttons.end());
        ASSERT_FALSE(want.empty());
        std::vector<QWidget*> visited;
        QWidget* at = want.front();
        do {
            if (std::count(want.begin(), want.end(), at))
                visited.push_back(at);
            at = at->nextInFocusChain();
        } while (at != want.front() && visited.size() < 2 * want.size());
        const auto names = [](const std::vector<QWidget*>& ws) {
            std::string out;
            for (QWidget* w : ws)
                out += "[" + AccessibleName(w).toStdString() + "] ";
            return out;
        };
        EXPECT_EQ(names(visited), names(want));
    });
}

// The window has a title whether the host titles dialogs by their menu path or lets them keep their
// own; a composite's first tab is not named after another procedure that shares its page.
TEST_P(EveryDialog, TitledUnderBothCaptionSettings) {
    for (bool ownCaption : {false, true}) {
        SCOPED_TRACE(ownCaption ? "own captions" : "menu paths");
        StudioFixture f;
        if (!f.session.Host().UpdateCommand(GetParam()).m_bEnabled)
            GTEST_SKIP() << "disabled";
        f.session.Host().Settings().usesCaption = ownCaption;
        bool opened = false;
        RunInWindow(f.session, GetParam(), [&](DialogWindow& window) {
            opened = true;
            EXPECT_FALSE(window.windowTitle().trimmed().isEmpty());
            if (QTabWidget* tabs = window.Tabs()) {
                for (const HostMenuItem& other : ModuleMenuItems()) {
                    if (other.command == GetParam())
                        continue;
                    EXPECT_NE(tabs->tabText(0).toLower(),
                              QString::fromStdWString(DisplayMenuText(other.chain.back())).toLower())
                        << "the first tab is named after " << other.command;
                }
            }
            PlayOnWidgets(window, "cancel");
        });
        if (!opened)
            GTEST_SKIP() << "no dialog";
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, EveryDialog, ::testing::ValuesIn(DialogCommands()), RowName);

// The menus: in each menu (the menu bar, File, every level of the module's menus) no two items share
// an Alt letter, and every item has one.
TEST(Menus, AltLettersAreUniquePerLevel) {
    StudioSession session;
    session.Host().LoadModule();
    MainWindow window(session);
    std::function<void(const QList<QAction*>&, const QString&)> check = [&](const QList<QAction*>& actions,
                                                                            const QString& where) {
        std::map<QChar, QString> taken;
        for (QAction* a : actions) {
            if (a->isSeparator())
                continue;
            const QChar letter = AltLetter(a->text());
            EXPECT_FALSE(letter.isNull())
                << where.toStdString() << ": \"" << a->text().toStdString() << "\" has no Alt letter";
            if (!letter.isNull()) {
                const auto [it, fresh] = taken.emplace(letter, a->text());
                EXPECT_TRUE(fresh) << where.toStdString() << ": \"" << it->second.toStdString() << "\" and \""
                                   << a->text().toStdString() << "\"";
            }
            if (a->menu())
                check(a->menu()->actions(), where + " > " + a->text());
        }
    };
    check(window.menuBar()->actions(), "menu bar");
}

}  // namespace
