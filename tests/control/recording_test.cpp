// When the run loop appends data records: every NC0file steps, rounded up to a screen update,
// counting the steps of every experiment since the program started.

#include "core/number_text.h"
#include "engine_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvor::test {
namespace {

// The model times of the records in a data file, as written.
std::vector<std::string> recordTimes(const std::string& text) {
    std::vector<std::string> times;
    for (std::size_t at = text.find("T= "); at != std::string::npos; at = text.find("T= ", at + 1))
        if (at == 0 || text[at - 1] == '\n')
            times.push_back(text.substr(at + 3, text.find(' ', at + 3) - at - 3));
    return times;
}

std::string timeAfter(double h, int steps) {
    real T = 0;
    for (int n = 0; n < steps; ++n) T = T + h;
    return NumberText(T, '.');
}

TEST(Recording, EveryNC0fileStepsRoundedUpToAScreenUpdate) {
    TempFolder folder;
    Engine engine('.', folder / "kvor.dat");
    engine.load(HeadOnElastic().with(Text55, "300").with(Text57, "1000").with(Text9, "-3").with(Text19, "3"));
    engine.form.setChecked(Check2, true);
    engine.start(9); // ten updates, 3000 steps
    // Records at the first update after 1000 steps since the last one: steps 1200 and 2400.
    EXPECT_EQ(recordTimes(FileText(folder / "kvor.dat")),
              (std::vector<std::string>{timeAfter(1e-5, 1200), timeAfter(1e-5, 2400)}));
    EXPECT_EQ(engine.record.FileStepCount, 600);
}

TEST(Recording, OneRecordAtEveryUpdateWithNC0fileOne) {
    TempFolder folder;
    Engine engine('.', folder / "kvor.dat");
    engine.load(HeadOnElastic().with(Text55, "20").with(Text57, "1"));
    engine.form.setChecked(Check2, true);
    engine.start(3);
    EXPECT_EQ(recordTimes(FileText(folder / "kvor.dat")),
              (std::vector<std::string>{timeAfter(1e-5, 20), timeAfter(1e-5, 40), timeAfter(1e-5, 60),
                                        timeAfter(1e-5, 80)}));
}

TEST(Recording, StepsOfEarlierExperimentsCount) {
    TempFolder folder;
    Engine engine('.', folder / "kvor.dat");
    engine.load(HeadOnElastic().with(Text55, "20").with(Text57, "1000"));
    engine.form.setChecked(Check2, true);
    engine.start(30); // 31 updates: 620 steps, no record yet
    EXPECT_FALSE(std::filesystem::exists(folder / "kvor.dat"));
    EXPECT_EQ(engine.record.FileStepCount, 620);

    // The next experiment writes its first record once 380 more steps are made: at its 19th
    // update, 380 steps after its start.
    engine.start(25);
    EXPECT_EQ(recordTimes(FileText(folder / "kvor.dat")), std::vector<std::string>{timeAfter(1e-5, 380)});
    EXPECT_EQ(engine.record.FileStepCount, 26 * 20 - 380);
}

TEST(Recording, TickingItLateRecordsAtTheNextUpdate) {
    // Recording off, the count goes on; ticked during a run after NC0file steps, a record comes at
    // the very next update.
    TempFolder folder;
    Engine engine('.', folder / "kvor.dat");
    engine.load(HeadOnElastic().with(Text55, "20").with(Text57, "100"));
    engine.events.onEvents = [&](int call) {
        if (call == 10) engine.form.setChecked(Check2, true);
        if (call == 12) engine.form.setChecked(Check2, false);
        if (call == 20) engine.experiment.Command2_Click();
    };
    engine.experiment.Command1_Click();
    // Ticked after update 10 (200 steps), a record comes at update 11; the next one would be due
    // 100 steps after that, but recording is off again from update 12 on.
    EXPECT_EQ(recordTimes(FileText(folder / "kvor.dat")), std::vector<std::string>{timeAfter(1e-5, 220)});
}

} // namespace
} // namespace kvor::test
