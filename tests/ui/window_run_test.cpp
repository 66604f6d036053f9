// Runs in the window: the panel, the data file, the message boxes and the end of the program.

#include "control/messages.h"
#include "core/number_text.h"
#include "window_fixture.h"

#include <QCheckBox>

#include <cmath>
#include <fstream>
#include <sstream>

namespace kvor::test {
namespace {

std::string Number(double value) {
    return NumberText(value, '.');
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

using WindowRun = WindowTest;

TEST_F(WindowRun, PanelShowsTheStateAndTheCheckBoxAlternatives) {
    clickWhenTrackHas(3, "Command2");
    click("Command1");
    const ModelRecord& r = window.record();
    EXPECT_EQ(r.NT, 4); // Stop takes effect at the next screen update
    EXPECT_EQ(box("Text31"), Number(r.VX1));
    EXPECT_EQ(box("Text34"), Number(r.VY2));
    EXPECT_EQ(box("Text35"), Number(std::sqrt(r.VX1 * r.VX1 + r.VY1 * r.VY1)));
    EXPECT_EQ(box("Text39"), Number(r.X1));
    EXPECT_NEAR(*ParseNumber(box("Text60")), 4 * 20 * 1e-5, 1e-15); // four updates of 20 steps of 1E-05 s
    EXPECT_EQ(box("Text62"), Number((1 * 1 + 1 * 100) / 2.0));      // E0 of 1 kg at 1 m/s and 10 m/s

    // "FX,FY" and "m1,m2" take effect at the next update.
    click("Check10");
    click("Check9");
    click("Command10");
    EXPECT_EQ(box("Text35"), Number(r.FX));
    EXPECT_EQ(box("Text36"), Number(r.FY));
    EXPECT_EQ(box("Text39"), "1");
    EXPECT_EQ(box("Text40"), "1");
    click("Check10");
    click("Check9");
    click("Command10");
    EXPECT_EQ(box("Text35"), Number(r.V1));
    EXPECT_EQ(box("Text39"), Number(r.X1));
    EXPECT_EQ(r.NT, 6);
}

TEST_F(WindowRun, RecordingWritesCompleteRecordsBesideTheChosenFile) {
    type("Text57", "100");
    click("Check2");
    clickWhenTrackHas(9, "Command2");
    click("Command1");
    // Ten updates of 20 steps: a record at every fifth, after 100 steps.
    ASSERT_EQ(window.record().NT, 10);
    const std::string text = ReadFile(dataFile());
    std::istringstream lines(text);
    std::string line;
    int records = 0, lineInRecord = 0;
    const char* const starts[] = {"T= ", "m1= ", "m2= ", "F= ", "", ""};
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        EXPECT_EQ(line.rfind(starts[lineInRecord], 0), 0u) << line;
        if (lineInRecord >= 4) {
            EXPECT_TRUE(line.empty());
        }
        if (++lineInRecord == 6) lineInRecord = 0, ++records;
    }
    EXPECT_EQ(lineInRecord, 0);
    EXPECT_EQ(records, 2);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowRun, AFileThatCannotBeWrittenEndsTheRunWithItsMessage) {
    // A folder in the file's place stops even root from writing it.
    std::filesystem::create_directory(dataFile());
    type("Text57", "100");
    click("Check2");
    click("Command1");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], messages::kFileWriteError);
    EXPECT_EQ(window.record().NT, 5); // the first record was due after 100 steps

    // The run can go on; unticking "Запись" spares it the file.
    click("Check2");
    clickWhenTrackHas(8, "Command2");
    click("Command3");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(window.record().NT, 9);
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
