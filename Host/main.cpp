#include <iostream>
#include <string>

#include "Host/HostApp.h"

namespace {

const char kUsage[] =
    "usage: tvkhost demo       open every menu item of the module with the bundled example data,\n"
    "                          accept each dialog with its defaults, print the menu path and lines\n"
    "       tvkhost --help     this text\n";

int Demo() {
    HostApp host(std::cout);
    host.LoadModule();
    host.Module()->Print();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "--help" || command == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (command == "demo")
            return Demo();
        std::cerr << "tvkhost: unknown command '" << command << "'\n" << kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "tvkhost: " << e.what() << "\n";
        return 2;
    }
}
