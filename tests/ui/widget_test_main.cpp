// The window tests need a widget application with the program's look, and a fixed locale so that
// the numbers in the boxes read the same everywhere (tests of another locale set their own). The
// settings they write go to a test folder of Qt's, not to the user's.

#include "ui/application.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    kvor::ui::IdentifyApplication();
    kvor::ui::ConfigureApplication(app);
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
