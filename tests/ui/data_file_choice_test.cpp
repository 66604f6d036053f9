// The window's data file: by default where the program keeps it, named by the tooltip of
// "Запись"; a choice in the window is remembered for the next start, a choice for one run is not.

#include "test_doubles.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kvor::test {
namespace {

QString toolTip(const ui::MainWindow& window) {
    return window.findChild<QCheckBox*>(QStringLiteral("Check2"))->toolTip();
}

TEST(DataFileChoice, RememberedForTheNextStartUnlessForOneRun) {
    QSettings().clear();
    const QTemporaryDir dir;
    const QString once = dir.filePath(QStringLiteral("once.dat"));
    const QString chosen = dir.filePath(QStringLiteral("chosen.dat"));
    ScriptedMessages messages;
    {
        ui::MainWindow window(&messages);
        // The tests run in the build tree, where the program may write beside itself.
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/kvor.dat");
        EXPECT_EQ(window.dataFile(), beside);
        EXPECT_TRUE(toolTip(window).endsWith(beside)) << toolTip(window).toStdString();

        window.useDataFileForThisRun(once);
        EXPECT_TRUE(toolTip(window).endsWith(once));
        EXPECT_EQ(ui::MainWindow(&messages).dataFile(), beside);

        window.chooseDataFile(chosen);
        EXPECT_EQ(window.experiment().settings().dataFile, chosen.toStdString());
        EXPECT_TRUE(toolTip(window).endsWith(chosen));
    }
    EXPECT_EQ(ui::MainWindow(&messages).dataFile(), chosen);
    QSettings().clear();
}

} // namespace
} // namespace kvor::test
