// The menu bar, the saved pictures and series, and the pace of a run.

#include "batch/batch_runner.h"
#include "control/messages.h"
#include "ui/energy_graph_window.h"
#include "ui/impacts_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTableWidget>

#include <ctime>
#include <sstream>

namespace kvor::test {
namespace {

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAction* actionNamed(const QWidget& owner, const QString& text) {
    for (QAction* action : owner.findChildren<QAction*>())
        if (action->text() == text) return action;
    return nullptr;
}

using MenuBar = WindowTest;

TEST_F(MenuBar, FileViewAndHelpWithTheirCommands) {
    EXPECT_EQ(actionTexts(window.menuBar()->actions()),
              QStringList({"&Файл", "&Вид", "&Расчёт", "&Опыты", "&Справка"}));
    EXPECT_EQ(actionTexts(window.findChild<QMenu*>("FileMenu")->actions()).mid(6),
              QStringList({"Сохранить траектории…", "Сохранить график…", "Сохранить ряд данных (CSV)…",
                           "Файл записи…", "-", "Выход"}));
    QMenu* pace = window.findChild<QMenu*>("ViewMenu")->actions().at(0)->menu();
    EXPECT_EQ(pace->title(), "Темп показа");
    EXPECT_EQ(actionTexts(pace->actions()), QStringList({"Медленно", "Обычно", "Быстро", "Без задержки"}));
    for (ui::CanvasWidget* picture : {&window.picture1(), &window.picture2()})
        EXPECT_EQ(actionTexts(picture->actions()), QStringList({"Сохранить рисунок…", "Копировать"}));

    // A choice is exclusive, shown in the status bar and remembered for the next window.
    pace->actions().at(2)->trigger();
    EXPECT_TRUE(pace->actions().at(2)->isChecked());
    EXPECT_FALSE(pace->actions().at(3)->isChecked());
    EXPECT_EQ(window.findChild<QLabel*>("PaceState")->text(), "Темп: Быстро");
    EXPECT_EQ(ui::MainWindow(&messages).pace(), ui::Pace::Fast);
    QSettings().remove("pace");
    EXPECT_EQ(ui::MainWindow(&messages).pace(), ui::Pace::Normal);

    // F1 opens the About window, the desktop's key to quit closes the program.
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_NE(window.aboutWindow(), nullptr);
    EXPECT_TRUE(window.aboutWindow()->isVisible());
    EXPECT_EQ(actionNamed(window, "Выход")->shortcut(), QKeySequence(QKeySequence::Quit));
    actionNamed(window, "Выход")->trigger();
    EXPECT_FALSE(window.isVisible());
}

// "Вид" → "График энергий" opens the energy graph beside the window; a run draws on it as the
// pictures are shown, and "Очистить  рисунки" clears it with them.
TEST_F(MenuBar, TheEnergyGraphFollowsTheRunAndIsClearedWithThePictures) {
    actionNamed(window, "График энергий")->trigger();
    auto* graph = window.findChild<ui::EnergyGraphWindow*>("EnergyGraph");
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    const QImage empty = graph->image().copy();
    clickWhenTrackHas(100, "Command2");
    clickAndRun("Command1");
    EXPECT_NE(graph->image(), empty);
    click("Command5");
    EXPECT_EQ(graph->image(), empty);
}

// "Вид" → "Удары" lists the contacts of the run, the status bar shows the last one: cut short by a
// stop in the middle of the example's contact, then ended once the run is continued; a new Start
// begins an empty list.
TEST_F(MenuBar, TheImpactsOfTheRunInTheirWindowAndTheLastInTheStatusBar) {
    actionNamed(window, "Удары")->trigger();
    const QTableWidget& table = window.impactsWindow().table();
    const QLabel& last = window.impactState();
    clickWhenTrackHas(600, "Command2");
    clickAndRun("Command1");
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.item(0, 1)->text(), "не окончен");
    EXPECT_TRUE(last.text().startsWith("Удар: e_n -, e_t -, импульс ")) << last.text().toStdString();
    EXPECT_TRUE(last.text().endsWith("Дж, с 0.0999899999999939 с, не окончен")) << last.text().toStdString();
    clickWhenTrackHas(1200, "Command2");
    clickAndRun("Command3");
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.item(0, 2)->text(), "1.00000325927192");
    EXPECT_TRUE(last.text().endsWith("Дж, 0.0999899999999939–0.21080000000007 с"))
        << last.text().toStdString();
    clickWhenTrackHas(100, "Command2");
    clickAndRun("Command1");
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(last.text(), "");
}

using Export = WindowTest;

TEST_F(Export, PicturesAndSeriesAsTheyStandAndAFailureSaysWhichFileAndWhy) {
    clickWhenTrackHas(30, "Command2");
    clickAndRun("Command1");
    const QString folder = dir_.path();
    window.exportTo(ui::MainWindow::Export::Picture1, folder + "/p1.png");
    window.exportTo(ui::MainWindow::Export::Picture2, folder + "/p2.png");
    window.exportTo(ui::MainWindow::Export::Series, folder + "/s.csv");
    EXPECT_EQ(QImage(folder + "/p1.png").convertToFormat(QImage::Format_RGB32), picture1().image());
    EXPECT_EQ(QImage(folder + "/p2.png").convertToFormat(QImage::Format_RGB32), picture2().image());
    const std::string table = FileText((folder + "/s.csv").toStdString());
    EXPECT_TRUE(table.starts_with("T_s,VX1_m_s,VY1_m_s,"));
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 2 + window.record().NT); // header, start, updates

    actionNamed(window.picture2(), "Копировать")->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture2().image());

    EXPECT_TRUE(messages.shown.empty());
    window.exportTo(ui::MainWindow::Export::Series, folder + "/missing/s.csv");
    window.exportTo(ui::MainWindow::Export::Picture1, folder + "/missing/p1.png");
    ASSERT_EQ(messages.shown, std::vector<std::string>(2, std::string(messages::kFileWriteError)));
    for (const std::string& detail : messages.details) {
        EXPECT_NE(detail.find((folder + "/missing/").toStdString()), std::string::npos) << detail;
        // and the system's reason, in Russian as the rest of the interface
        EXPECT_NE(detail.find("\nФайл или каталог не существует"), std::string::npos) << detail;
    }
}

// A script draws the pictures exactly as the window does.
TEST_F(Export, TheBatchRunnerSavesThePicturesOfTheWindow) {
    click("Command7");
    std::ostringstream out;
    BatchRunner runner(out, {'.', dataFile()}, MakePictureFiles());
    const std::string file = (dir_.path() + "/batch.png").toStdString();
    runner.run({"show", "png picture1 " + file});
    EXPECT_EQ(QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32), picture1().image());
    EXPECT_EQ(out.str(), "");
}

using Pace = WindowTest;

// The same run at two paces, stopped at its 300th update: the same numbers in every record, box
// and picture.
TEST_F(Pace, ChangesNothingButTheWallClock) {
    ui::MainWindow fast(&messages);
    const auto fastFile = dataFile().string() + ".fast";
    fast.experiment().setDataFile(fastFile);
    fast.setPace(ui::Pace::Fast);
    for (ui::MainWindow* w : {&window, &fast}) {
        w->setText(Text57, "300");
        w->findChild<QAbstractButton*>("Check2")->setChecked(true);
        QTimer stop;
        stop.setInterval(0);
        QObject::connect(&stop, &QTimer::timeout, [w] {
            if (w->record().NT == 299) w->findChild<QAbstractButton*>("Command2")->click();
        });
        stop.start();
        ClickAndRun(*w, "Command1");
        EXPECT_EQ(w->record().NT, 300);
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(FileText(dataFile()), FileText(fastFile));
    EXPECT_GT(FileText(fastFile).size(), 20 * 250u); // a record every 300 of the 6000 steps
    for (int box = 1; box <= kTextBoxCount; ++box) {
        if (box == Text56) continue; // the wall clock
        EXPECT_EQ(window.text(TextBox(box)), fast.text(TextBox(box))) << box;
    }
    EXPECT_EQ(picture1().image(), fast.picture1().canvas().image());
    EXPECT_EQ(picture2().image(), fast.picture2().canvas().image());
}

// At 30 updates a second, 16 updates take half a second, nearly all of it waiting without work. Stop,
// pressed 10 ms into the 33 ms wait after the 15th update, ends the run at once with the 16th.
TEST_F(Pace, SlowWaitsWithoutWorkAndStopActsWithinOneUpdate) {
    window.setPace(ui::Pace::Slow);
    QElapsedTimer clock;
    qint64 stopped = 0;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (window.record().NT != 15) return;
        watch.stop();
        QTimer::singleShot(10, Qt::PreciseTimer, [&] {
            click("Command2");
            stopped = clock.nsecsElapsed();
        });
    });
    watch.start();
    const std::clock_t cpu = std::clock();
    clock.start();
    clickAndRun("Command1");
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double cpuSeconds = double(std::clock() - cpu) / CLOCKS_PER_SEC;
    EXPECT_EQ(window.record().NT, 16);
    EXPECT_GT(seconds, 13.0 / 30); // 14 waits, the last cut short
    EXPECT_LT(cpuSeconds, 0.25 * seconds);
    EXPECT_LT((clock.nsecsElapsed() - stopped) / 1e9, 0.015);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace kvor::test
