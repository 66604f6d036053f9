// The window's data file: beside the program in the build tree, named by the tooltip of "Запись";
// a choice in the window is remembered for the next start, a choice for one run is not.

#include "test_doubles.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kvor::test {

// The settings are shared with tests that may run at the same time: only the choice is removed.
TEST(DataFileChoice, RememberedForTheNextStartUnlessForOneRun) {
    QSettings().remove(QStringLiteral("recording/dataFile"));
    const QTemporaryDir dir;
    ScriptedMessages messages;
    ui::MainWindow window(&messages);
    const auto toolTip = [&] { return window.findChild<QCheckBox*>(QStringLiteral("Check2"))->toolTip(); };
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/kvor.dat");
    EXPECT_TRUE(toolTip().endsWith(beside)) << toolTip().toStdString();

    window.useDataFileForThisRun(dir.filePath(QStringLiteral("once.dat")));
    EXPECT_TRUE(toolTip().endsWith(QStringLiteral("once.dat")));
    EXPECT_EQ(ui::MainWindow(&messages).dataFile(), beside);

    window.chooseDataFile(dir.filePath(QStringLiteral("chosen.dat")));
    EXPECT_EQ(window.experiment().settings().dataFile,
              dir.filePath(QStringLiteral("chosen.dat")).toStdString());
    EXPECT_EQ(ui::MainWindow(&messages).dataFile(), dir.filePath(QStringLiteral("chosen.dat")));
    QSettings().remove(QStringLiteral("recording/dataFile"));
}

} // namespace kvor::test
