// The window tests need a widget application with the program's look, and a fixed locale so that
// the numbers in the boxes read the same everywhere (tests of another locale set their own). The
// settings they write go to a folder of the test process's own, not to the user's, so that a test
// that switches the language to English cannot switch another one that runs beside it.

#include "ui/application.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    kvor::ui::IdentifyApplication();
    kvor::ui::ConfigureApplication(app);
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
