// Runs in the window: Start and Stop clicked, the program's end and commands during a run.

#include "control/messages.h"
#include "core/number_text.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>

namespace kvor::test {
namespace {

using WindowRun = WindowTest;

// Start, and Stop clicked during the run: the panel shows the state reached, the file the records.
TEST_F(WindowRun, StartAndAStopClickedDuringTheRun) {
    click("Check2");
    type("Text57", "20");
    clickWhenTrackHas(3, "Command2");
    clickAndRun("Command1");
    EXPECT_EQ(window.record().NT, 4);
    EXPECT_NEAR(*ParseNumber(box("Text60")), 4 * 20 * 1e-5, 1e-15); // four updates of 20 steps
    EXPECT_EQ(box("Text31"), "1");                                  // ball 1 still flies at 1 m/s
    EXPECT_GT(std::filesystem::file_size(dataFile()), 4 * 100u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(control<QLabel>("RunState")->text(), "Расчёт остановлен");
}

// "Выход" during a run, or the window closed by its frame, ends the run at its next update without
// another step or a message, and the About window goes with the main window.
TEST_F(WindowRun, LeavingDuringARunEndsItWithoutAnotherStepOrAMessage) {
    for (const bool byFrame : {false, true}) {
        ui::MainWindow w(&messages);
        w.setPace(ui::Pace::Max);
        w.show();
        w.findChild<QAbstractButton*>("Command6")->click();
        QTimer leave;
        leave.setInterval(0);
        QObject::connect(&leave, &QTimer::timeout, [&] {
            if (w.record().NT < 3) return;
            leave.stop();
            byFrame ? void(w.close()) : w.findChild<QAbstractButton*>("Command4")->click();
        });
        leave.start();
        ClickAndRun(w, "Command1");
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(w.aboutWindow() == nullptr || !w.aboutWindow()->isVisible());
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(w.record().NT, 3) << byFrame;
        EXPECT_FALSE(w.experiment().running()) << "the run ended with the window";
        EXPECT_EQ(w.record().StepCount, 0);
        EXPECT_NEAR(w.record().T, 3 * 20 * 1e-5, 1e-12);
    }
}

// Start pressed again during the run begins the experiment anew, from point 0 and model time 0,
// instead of nesting a run.
TEST_F(WindowRun, StartDuringARunBeginsItAnew) {
    clickWhenTrackHas(50, "Command1");
    clickWhenTrackHas(60, "Command2");
    clickAndRun("Command1");
    EXPECT_EQ(window.record().NT, 61);
    EXPECT_NEAR(window.record().T, 61 * 20 * 1e-5, 1e-12);
    EXPECT_FALSE(window.experiment().running());
    EXPECT_TRUE(messages.shown.empty());
}

// A message box that a command shows during a run holds the run: no step is made under it, and the
// Start that failed then ends the run where it was.
TEST_F(WindowRun, NoStepIsMadeUnderAMessageBoxAndAFailedStartEndsTheRun) {
    ui::MainWindow w; // with the real, modal message boxes
    w.setPace(ui::Pace::Max);
    w.show();
    Long atClick = -1, underTheBox = -1;
    QTimer start;
    start.setInterval(0);
    QObject::connect(&start, &QTimer::timeout, [&] {
        if (w.record().NT < 5) return;
        start.stop();
        QTimer::singleShot(50, [&] {
            underTheBox = w.record().NT;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        atClick = w.record().NT;
        w.findChild<QLineEdit*>("Text1")->setText("x");
        w.findChild<QAbstractButton*>("Command1")->click();
    });
    start.start();
    ClickAndRun(w, "Command1");
    EXPECT_EQ(underTheBox, atClick);
    EXPECT_EQ(w.record().NT, atClick);
}

// At "Без задержки" the panel's texts wait for the next repaint, but never over a command's own:
// a Start during the run that fails after writing the masses (the balls put on one spot) leaves
// them in the panel, as the run ends there without another update.
TEST_F(WindowRun, APanelLeftForTheRepaintIsWrittenBeforeACommandWritesItsOwn) {
    QTimer start;
    start.setInterval(0);
    QObject::connect(&start, &QTimer::timeout, [&] {
        if (window.record().NT < 5) return;
        start.stop();
        type("Text9", "0");
        type("Text10", "-1.7071");
        click("Command1");
    });
    start.start();
    clickAndRun("Command1");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Введите правильно данные"});
    EXPECT_EQ(box("Text39"), "1");
}

// "Расчёт" → "Проверить шаг…": before a run there is nothing to study; during a run the study
// holds it, its table shows the panel's values at h, and the run goes on once the table is closed.
TEST_F(WindowRun, AStepStudyHoldsTheRunAndTabulatesThePanelsValues) {
    QAction* study = nullptr;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == "Проверить шаг…") study = action;
    ASSERT_NE(study, nullptr);
    study->trigger();
    EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(messages::kNothingToStudy)});
    Long heldAt = -1;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (heldAt < 0 && window.record().NT >= 700) { // after the impact
            heldAt = window.record().NT;
            study->trigger();
        }
        auto* dialog = window.findChild<QDialog*>("StepStudyDialog");
        if (!dialog) return;
        watch.stop();
        EXPECT_EQ(window.record().NT, heldAt);
        EXPECT_EQ(dialog->findChild<QTableWidget*>()->item(0, 1)->text().toStdString(), box("Text31"));
        EXPECT_NE(box("Text31"), "1");
        dialog->reject();
        click("Command2");
    });
    watch.start();
    clickAndRun("Command1");
    EXPECT_GT(window.record().NT, heldAt);
}

} // namespace
} // namespace kvor::test
