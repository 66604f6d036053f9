// The kvor3m-batch executable as a user runs it: its arguments, exit status, standard output and
// error, the data file beside it and the decimal separator of the user's locale.

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace kvor::test {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

// Runs `command` (a shell command line) in `folder`, with the environment settings `env` in front.
Outcome shell(const TempFolder& folder, const std::string& command, const std::string& env = "") {
    const std::string out = (folder / "stdout").string(), err = (folder / "stderr").string();
    const std::string line = "cd " + quoted(folder.path().string()) + " && " + env + " " + command + " > " +
                             quoted(out) + " 2> " + quoted(err);
    const int raw = std::system(line.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = FileText(out);
    o.err = FileText(err);
    return o;
}

// Writes `script` into the folder and runs the executable on it.
Outcome runScript(const TempFolder& folder, const std::string& script, const std::string& env = "LC_ALL=C",
                  const std::string& executable = KVOR_BATCH_EXECUTABLE) {
    std::ofstream(folder / "script.txt", std::ios::binary) << script;
    return shell(folder, quoted(executable) + " script.txt", env);
}

std::string printedLine(const std::string& out, int box) {
    const std::string prefix = "Text" + std::to_string(box) + "\t";
    const std::size_t at = out.find("\n" + prefix);
    if (at == std::string::npos) return out.rfind(prefix, 0) == 0 ? out.substr(0, out.find('\n')) : "";
    return out.substr(at + 1, out.find('\n', at + 1) - at - 1);
}

TEST(BatchProgram, PrintRightAwayShowsTheBallBallExample) {
    TempFolder folder;
    const Outcome o = runScript(folder, "print\n");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out.rfind("Text1\t1\nText2\t3.2\nText3\t1\nText4\t400\n", 0), 0u);
    EXPECT_EQ(printedLine(o.out, 9), "Text9\t-0.8071");
    EXPECT_EQ(printedLine(o.out, 54), "Text54\t1E-05");
    EXPECT_EQ(printedLine(o.out, 67), "Text67\t0");
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 67);
    EXPECT_FALSE(fs::exists(folder / "kvor.dat"));
}

TEST(BatchProgram, ReadsTheScriptFromStandardInput) {
    TempFolder folder;
    const Outcome o =
        shell(folder, "printf 'variant ball-rod\\nstart\\nstop\\n' | " + quoted(KVOR_BATCH_EXECUTABLE) + " -",
              "LC_ALL=C");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "picture1\t V1= 30   V1= 10\npicture1\t V2= 0   V2= 10\npicture1\t w2= 0   w2= 60\n");
}

TEST(BatchProgram, ALineThatCannotBeUnderstoodIsAnErrorNamingIt) {
    TempFolder folder;
    const Outcome o = runScript(folder, "# a session\nset m10 5\nprint\nset m10\nstart please\nprint\n");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("line 5"), std::string::npos) << o.err;
    // The lines before it ran, none after it.
    EXPECT_EQ(o.out.rfind("Text1\t5\n", 0), 0u);
    std::size_t prints = 0;
    for (std::size_t at = o.out.find("Text1\t"); at != std::string::npos; at = o.out.find("Text1\t", at + 1))
        if (at == 0 || o.out[at - 1] == '\n') ++prints;
    EXPECT_EQ(prints, 1u);

    EXPECT_EQ(shell(folder, quoted(KVOR_BATCH_EXECUTABLE)).status, 2) << "no script named";
    EXPECT_EQ(shell(folder, quoted(KVOR_BATCH_EXECUTABLE) + " no-such-script.txt").status, 2);
}

TEST(BatchProgram, DataFileIsKvorDatBesideTheExecutable) {
    // A copy of the program in a folder of its own, run from another folder.
    TempFolder home, work;
    const fs::path copy = home / "kvor3m-batch";
    fs::copy_file(KVOR_BATCH_EXECUTABLE, copy);
    const std::string script = "check Запись on\nset NCOfile 1\nstart\nrun 1\nstop\n";
    const Outcome o = runScript(work, script, "LC_ALL=C", copy.string());
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_FALSE(fs::exists(work / "kvor.dat"));
    const std::string first = FileText(home / "kvor.dat");
    EXPECT_EQ(first.rfind("T= 0.0002    Alfa= ", 0), 0u) << first.substr(0, 40);

    // A second run appends.
    runScript(work, script, "LC_ALL=C", copy.string());
    const std::string both = FileText(home / "kvor.dat");
    EXPECT_EQ(both.size(), 2 * first.size());
    EXPECT_EQ(both.substr(0, first.size()), first);
}

TEST(BatchProgram, NumbersUseTheDecimalSeparatorOfTheUsersLocale) {
    // A Russian locale of our own, compiled into the test's folder.
    TempFolder folder;
    const fs::path locales = folder / "locales";
    fs::create_directories(locales);
    const std::string make =
        "localedef -i ru_RU -f UTF-8 " + quoted((locales / "ru_RU.UTF-8").string()) + " > /dev/null 2>&1";
    if (std::system(make.c_str()) != 0 || !fs::exists(locales / "ru_RU.UTF-8"))
        GTEST_SKIP() << "no Russian locale can be made here";
    const std::string russian = "LOCPATH=" + quoted(locales.string()) + " LC_ALL=ru_RU.UTF-8";

    // Both separators are read, the user's is written.
    const Outcome o = runScript(folder, "set Mx 0.25\nset Mv 2,5\nstart\nstop\nprint\n", russian);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(printedLine(o.out, 2), "Text2\t3,2");
    EXPECT_EQ(printedLine(o.out, 29), "Text29\t0.25") << "what the user typed stays as typed";
    EXPECT_EQ(printedLine(o.out, 9), "Text9\t-0,8071");
    EXPECT_NE(printedLine(o.out, 60).find(','), std::string::npos) << printedLine(o.out, 60);

    const Outcome c = runScript(folder, "print\n", "LC_ALL=C");
    EXPECT_EQ(printedLine(c.out, 2), "Text2\t3.2");
}

} // namespace
} // namespace kvor::test
