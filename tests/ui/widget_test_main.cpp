// The window tests need a widget application with the program's look, a fixed locale so that
// the numbers in the boxes read the same everywhere (tests of another locale set their own), and
// settings of their own, apart from the user's.

#include "ui/application.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kvor::ui::ConfigureApplication(app);
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
