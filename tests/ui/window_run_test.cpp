// Runs in the window: Start and Stop clicked, the program's end and commands during a run.

#include "core/number_text.h"
#include "window_fixture.h"

namespace kvor::test {
namespace {

using WindowRun = WindowTest;

// Start, and Stop clicked during the run: the panel shows the state reached, the file the records.
TEST_F(WindowRun, StartAndAStopClickedDuringTheRun) {
    click("Check2");
    type("Text57", "20");
    clickWhenTrackHas(3, "Command2");
    click("Command1");
    EXPECT_EQ(window.record().NT, 4);
    EXPECT_NEAR(*ParseNumber(box("Text60")), 4 * 20 * 1e-5, 1e-15); // four updates of 20 steps
    EXPECT_EQ(box("Text31"), "1");                                  // ball 1 still flies at 1 m/s
    EXPECT_GT(std::filesystem::file_size(dataFile()), 4 * 100u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowRun, ExitDuringARunEndsItWithoutAnotherStepOrAMessage) {
    click("Command6");
    ASSERT_NE(window.aboutWindow(), nullptr);
    clickWhenTrackHas(3, "Command4");
    click("Command1");
    const ModelRecord& r = window.record();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.aboutWindow() == nullptr || !window.aboutWindow()->isVisible(), true);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(r.NT, 3);
    EXPECT_EQ(r.StepCount, 0);
    EXPECT_NEAR(r.T, 3 * 20 * 1e-5, 1e-12);
}

TEST_F(WindowRun, ClosingTheWindowByItsFrameDuringARunEndsItToo) {
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (window.record().NT >= 5) closer.stop(), window.close();
    });
    closer.start();
    click("Command1");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window.record().NT, 5);
    EXPECT_NEAR(window.record().T, 5 * 20 * 1e-5, 1e-12);
}

TEST_F(WindowRun, CommandsDuringARunActOnIt) {
    // Start pressed again during the run begins the experiment anew instead of nesting a run.
    clickWhenTrackHas(50, "Command1");
    clickWhenTrackHas(60, "Command2");
    click("Command1");
    // The new experiment starts again from point 0 and model time 0.
    EXPECT_EQ(window.record().NT, 61);
    EXPECT_NEAR(window.record().T, 61 * 20 * 1e-5, 1e-12);
    EXPECT_FALSE(window.experiment().running());
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace kvor::test
