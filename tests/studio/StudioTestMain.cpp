// The widget tests need one QApplication for the whole run, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>

#include "Studio/DialogWindow.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // --scale-factor=F runs the widgets at F times their size, as on a screen set to F * 100 %.
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--scale-factor=", 15) == 0)
            setenv("QT_SCALE_FACTOR", argv[i] + 15, 1);
    QApplication app(argc, argv);
    DialogWindow::SetInteractive(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
