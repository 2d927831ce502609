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
        std::cout << "usage: tvkstudio [--set NAME=VALUE]... [DATA.csv]\n"
                     "Opens the desktop host; a CSV file given is loaded as the data. --set applies a host\n"
                     "setting first, as `set NAME VALUE` of a session script (tvkhost run --help lists\n"
                     "them). File > Save Session Script writes what was done as such a script.\n"
                     "The module is libDlgStat1.so beside the program, or the file TVKHOST_MODULE names.\n";
        return 0;
    }
    QStringList settings;
    QString data;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == "--set" && i + 1 < args.size() && args.at(i + 1).contains('=')) {
            settings << args.at(++i);
        } else if (args.at(i).startsWith('-') || !data.isEmpty()) {
            std::cerr << "tvkstudio: unexpected argument '" << args.at(i).toStdString()
                      << "' (tvkstudio --help)\n";
            return 2;
        } else {
            data = args.at(i);
        }
    }
    StudioSession session;
    try {
        session.Host().LoadModule();
    } catch (const ModuleLoadError& e) {
        std::cerr << "tvkstudio: " << e.what() << "\n";
        QMessageBox::critical(nullptr, "tvkstudio", QString::fromStdString(e.what()));
        return 1;
    }
    for (const QString& setting : settings) {
        const qsizetype eq = setting.indexOf('=');
        try {
            session.ApplySetting(setting.left(eq).toStdString(), setting.mid(eq + 1).toStdString());
        } catch (const std::invalid_argument& e) {
            std::cerr << "tvkstudio: --set " << setting.toStdString() << ": " << e.what() << "\n";
            return 2;
        }
    }
    MainWindow window(session);
    if (!data.isEmpty())
        window.LoadData(data);
    window.show();
    return QApplication::exec();
}
