// tvkstudio: the module's dialogs and menus in a desktop window.
#include <QApplication>
#include <QMessageBox>
#include <cstring>
#include <iostream>

#include "Studio/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.contains("--help")) {
        std::cout << "usage: tvkstudio [DATA.csv]\n"
                     "Opens the desktop host; a CSV file given is loaded as the data.\n"
                     "The module is libDlgStat1.so beside the program, or the file TVKHOST_MODULE names.\n";
        return 0;
    }
    StudioSession session;
    try {
        session.Host().LoadModule();
    } catch (const ModuleLoadError& e) {
        std::cerr << "tvkstudio: " << e.what() << "\n";
        QMessageBox::critical(nullptr, "tvkstudio", QString::fromStdString(e.what()));
        return 1;
    }
    MainWindow window(session);
    if (args.size() > 1)
        window.LoadData(args.at(1));
    window.show();
    return QApplication::exec();
}
