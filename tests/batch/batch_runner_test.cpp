// The batch runner in the test's own process: a script plays the user, and whatever the window
// would show comes out as lines of text.

#include "batch/batch_runner.h"
#include "core/number_text.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kvor {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Runs a script in a fresh runner and returns its output lines.
struct Batch {
    explicit Batch(char separator = ',', std::filesystem::path data = "unused-kvor.dat")
        : runner(out, {separator, std::move(data)}) {}
    std::vector<std::string> run(const std::vector<std::string>& script) {
        out.str("");
        runner.run(script);
        return linesOf(out.str());
    }
    std::ostringstream out;
    BatchRunner runner;
};

// The lines of `print` that show the given box.
std::string printed(const std::vector<std::string>& lines, int box) {
    const std::string prefix = "Text" + std::to_string(box) + "\t";
    std::string found = "(not printed)";
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) found = line.substr(prefix.size());
    return found;
}

TEST(BatchRunner, StartsAsTheWindowDoes) {
    Batch batch;
    const std::vector<std::string> lines = batch.run({"print"});
    ASSERT_EQ(lines.size(), 67u);
    for (int box = 1; box <= 67; ++box)
        EXPECT_EQ(lines[box - 1].rfind("Text" + std::to_string(box) + "\t", 0), 0u)
            << "in order: Text" << box;
    EXPECT_EQ(lines[0], "Text1\t1");
    EXPECT_EQ(lines[1], "Text2\t3,2");
    EXPECT_EQ(lines[8], "Text9\t-0,8071");
    EXPECT_EQ(lines[15], "Text16\t1") << "hidden boxes are printed too";
    EXPECT_EQ(lines[19], "Text20\t-1,7071");
    EXPECT_EQ(lines[30], "Text31\t") << "empty boxes as an empty text";
    EXPECT_EQ(lines[53], "Text54\t1E-05");
    EXPECT_EQ(lines[63], "Text64\t0");
    EXPECT_TRUE(batch.runner.form().isSelected(OptionButton::Option1));
    EXPECT_TRUE(batch.runner.form().isChecked(Check12));
    EXPECT_FALSE(batch.runner.form().isTextVisible(Text16));
}

TEST(BatchRunner, AByteOrderMarkBeforeTheFirstCommandIsNotPartOfIt) {
    Batch batch;
    const std::vector<std::string> lines = batch.run({"\xEF\xBB\xBFset m10 7", "print"});
    EXPECT_EQ(printed(lines, 1), "7");
}

TEST(BatchRunner, VariantSetAndCheckWorkTheControls) {
    Batch batch;
    std::vector<std::string> lines = batch.run({"variant ball-rod", "print"});
    EXPECT_EQ(printed(lines, 1), "12") << "the worked example, since исходные данные is ticked";
    EXPECT_EQ(printed(lines, 26), "10000");
    EXPECT_EQ(printed(lines, 54), "1E-06");
    EXPECT_FALSE(batch.runner.form().isTextVisible(Text12));

    // Selecting the variant already selected does nothing; without исходные данные only the
    // visibility changes.
    lines = batch.run({"set m10 7", "variant ball-rod", "print"});
    EXPECT_EQ(printed(lines, 1), "7");
    lines = batch.run({"check Check12 off", "variant ball-ball", "print"});
    EXPECT_EQ(printed(lines, 1), "7");
    EXPECT_TRUE(batch.runner.form().isTextVisible(Text12));

    lines = batch.run(
        {"set Mx 0,25", "set Text55 5", "set шаг 1e-6", "check Лоренц on", "check Check13 on", "print"});
    EXPECT_EQ(printed(lines, 29), "0,25");
    EXPECT_EQ(printed(lines, 55), "5");
    EXPECT_EQ(printed(lines, 54), "1e-6") << "typed, not converted";
    EXPECT_TRUE(batch.runner.form().isChecked(Check1));
    EXPECT_TRUE(batch.runner.form().isChecked(Check13));
}

TEST(BatchRunner, PicturesAndMessagesGoToTheOutputAsTheyHappen) {
    Batch batch;
    const std::vector<std::string> lines =
        batch.run({"variant ball-rod", "start", "stop", "set X2 -1", "start"});
    const std::vector<std::string> expected = {
        "picture1\t V1= 30   V1= 10",
        "picture1\t V2= 0   V2= 10",
        "picture1\t w2= 0   w2= 60",
        "picture1\t V1= 30   V1= 10",
        "picture1\t V2= 0   V2= 10",
        "picture1\t w2= 0   w2= 60",
        "message\tШар должен лететь слева направо",
    };
    EXPECT_EQ(lines, expected);
}

TEST(BatchRunner, LineBreaksInAMessageAreWrittenAsBackslashN) {
    Batch batch;
    const std::vector<std::string> lines = batch.run(
        {"set q1 1", "set q2 1", "set Text22 -5", "set VX1 0", "set VY2 0", "answer no", "start", "print"});
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message\t    Потенциальная энергия системы Eq \\n"
                        "от действия электростатической силы Fq\\n"
                        "      достигла начального значения\\n"
                        "         Продолжить эксперимент ?");
    EXPECT_EQ(batch.runner.record().EqAnswer, kAnswerNo);
    EXPECT_EQ(batch.runner.record().NT, 0) << "No ended the run at its first step";
    EXPECT_EQ(EscapedLine("a\r\nb\nc\rd"), "a\\nb\\nc\\nd");
}

TEST(BatchRunner, TheAnswerIsForTheNextQuestionOnly) {
    Batch batch;
    batch.run({"set q1 1", "set q2 1", "set Text22 -5", "set VX1 0", "set VY2 0", "answer no", "answer yes",
               "start", "run 3", "stop"});
    EXPECT_EQ(batch.runner.record().EqAnswer, kAnswerYes);
    EXPECT_EQ(batch.runner.record().NT, 5);
    // After a No was used up, the next question gets the default Yes.
    batch.run({"answer no", "start", "start", "run 2", "stop"});
    EXPECT_EQ(batch.runner.record().EqAnswer, kAnswerYes);
    EXPECT_EQ(batch.runner.record().NT, 4);
}

TEST(BatchRunner, CommandsDuringARunComeAtItsScreenUpdates) {
    Batch batch('.');
    // "print" is taken at the first update, "run 3" holds "stop" back until the fourth; the stop
    // is seen at the fifth.
    std::vector<std::string> lines = batch.run({"set NC0 10", "start", "print", "run 3", "stop"});
    const ModelRecord& r = batch.runner.record();
    double T = 0;
    for (int n = 0; n < 10; ++n) T = T + 1e-5;
    EXPECT_EQ(printed(lines, 60), NumberText(T, '.')) << "the panel of the first update";
    EXPECT_EQ(r.NT, 5);
    EXPECT_FALSE(batch.runner.experiment().running());

    // A start during the run acts on the active run: the track begins again, no nested loop.
    lines = batch.run({"start", "run 2", "start", "run 1", "stop"});
    EXPECT_EQ(r.NT, 2) << "two updates after the second start: one, then the stop is seen";

    // "run N" outside a run does nothing.
    lines = batch.run({"run 5", "print"});
    EXPECT_EQ(lines.size(), 67u);

    // A script that runs out leaves the run to end by itself, here when the track store is full.
    lines = batch.run({"set NC0 1", "start"});
    EXPECT_EQ(lines,
              std::vector<std::string>{"message\tУвеличьте NC0 (не хватает массива для точек траектории)"});
    EXPECT_EQ(r.NT, 2221);
}

TEST(BatchRunner, DataRecordsGoToTheNamedFile) {
    test::TempFolder folder;
    Batch batch(',', folder / "default.dat");
    const auto file = folder / "chosen.dat";
    batch.run({"data " + file.string(), "check Запись on", "set NCOfile 1", "start", "run 1", "stop"});
    const std::string text = test::FileText(file);
    EXPECT_EQ(text.rfind("T= ", 0), 0u);
    std::size_t records = 0;
    for (std::size_t at = text.find("T= "); at != std::string::npos; at = text.find("T= ", at + 1)) ++records;
    EXPECT_EQ(records, 3u) << "one record per update, three updates";
    EXPECT_FALSE(std::filesystem::exists(folder / "default.dat"));
}

TEST(BatchRunner, ALineThatCannotBeUnderstoodStopsTheScript) {
    Batch batch;
    try {
        batch.run({"set m10 5", "# fine", "print", "frobnicate", "set m10 6", "print"});
        FAIL() << "no error";
    } catch (const BadScriptLine& bad) {
        EXPECT_EQ(bad.lineNumber, 4u);
        EXPECT_NE(bad.reason.find("frobnicate"), std::string::npos);
    }
    const std::vector<std::string> lines = linesOf(batch.out.str());
    EXPECT_EQ(lines.size(), 67u) << "the lines before it ran";
    EXPECT_EQ(printed(lines, 1), "5");
    EXPECT_EQ(batch.runner.form().text(Text1), "5") << "nothing after it ran";

    // Also when it is taken during a run.
    Batch during;
    try {
        during.runner.run({"start", "run 2", "check Check2 maybe", "stop"});
        FAIL() << "no error";
    } catch (const BadScriptLine& bad) {
        EXPECT_EQ(bad.lineNumber, 3u);
    }
    EXPECT_FALSE(during.runner.experiment().running());
    EXPECT_EQ(during.runner.record().NT, 3);
    EXPECT_FALSE(during.runner.form().isChecked(Check2));
}

} // namespace
} // namespace kvor
