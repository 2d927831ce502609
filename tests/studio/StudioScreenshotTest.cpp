// Every dialog of the module's menus opened on the example data in a real window: a picture of each
// (and of each tab page) in the build folder, and the checks a reader of those pictures would make.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include "Host/HostMenu.h"
#include "StudioSupport.h"
#include "TvkBaseGui/IPictureSource.h"

namespace {

// What a reader of the picture would complain of: a text cut off (a widget narrower or lower than it
// needs), two controls on top of each other, a control outside the window.
std::vector<std::string> LayoutFaults(const QWidget& window) {
    std::vector<std::string> faults;
    std::vector<const QWidget*> controls;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
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

QString PictureName(UINT command, const std::wstring& path, const std::string& suffix) {
    QString name = QString::number(command) + "_" + QString::fromStdWString(path);
    name.replace(QRegularExpression("[^A-Za-z0-9_]+"), "-");
    return name + QString::fromStdString(suffix) + ".png";
}

TEST(Screenshots, EveryMenuDialogReadable) {
    StudioFixture f;
    const QDir folder(QString(DLGSTAT1_BUILD_DIR) + "/studio-screenshots");
    QDir().mkpath(folder.path());
    int opened = 0;
    for (const HostMenuItem& item : ModuleMenuItems()) {
        HostApp& host = f.session.Host();
        if (!host.IsModuleCommand(item.command) || !host.UpdateCommand(item.command).m_bEnabled)
            continue;
        const std::wstring path = MenuPath(item.chain);
        SCOPED_TRACE(QString::fromStdWString(path).toStdString());
        RunInWindow(f.session, item.command, [&](DialogWindow& window) {
            ++opened;
            const auto shoot = [&](const std::string& suffix) {
                QTest::qWait(20);
                EXPECT_TRUE(window.grab().save(folder.filePath(PictureName(item.command, path, suffix))));
                for (const std::string& fault : LayoutFaults(window))
                    ADD_FAILURE() << suffix << " " << fault;
            };
            window.adjustSize();
            if (QTabWidget* tabs = window.Tabs()) {
                for (int page = 0; page < tabs->count(); ++page) {
                    tabs->setCurrentIndex(page);
                    window.adjustSize();
                    shoot("_page" + std::to_string(page));
                }
            } else {
                shoot("");
            }
            // A dialog that draws: its picture after computing with its defaults.
            if (dynamic_cast<IPictureSource*>(&window.Dialog())) {
                PlayOnWidgets(window, "ok");
                window.adjustSize();
                shoot("_computed");
            }
            PlayOnWidgets(window, "cancel");
        });
    }
    EXPECT_GT(opened, 40);
}

}  // namespace
