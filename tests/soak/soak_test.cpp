// Long random sessions through the batch runner. After every command the state is checked as the
// user would see it: only the program's own messages, no infinity or NaN in any box, at most
// 2221 track points, and every record of the data file complete. A session that does not end
// within its time is a hang.
//
// Each session prints its seed. To replay one:   KVOR_SOAK_SEED=<seed> soak_tests
// More sessions:   KVOR_SOAK_SESSIONS=<n> [KVOR_SOAK_FIRST_SEED=<seed>] soak_tests

#include "batch/batch_runner.h"
#include "core/number_text.h"
#include "program_texts.h"
#include "session_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <thread>
#include <unistd.h>

namespace kvor {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kFirstSeed = 20240601;
constexpr int kSessions = 3000;
constexpr auto kSessionLimit = std::chrono::seconds(60);

std::optional<std::uint64_t> EnvironmentNumber(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::strtoull(value, nullptr, 10);
}

// Ends the process when a session runs past its time: a hang cannot be caught any other way.
class Watchdog {
public:
    Watchdog() : thread_([this] { watch(); }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    void arm(std::uint64_t seed) {
        const std::lock_guard lock(mutex_);
        seed_ = seed;
        deadline_ = std::chrono::steady_clock::now() + kSessionLimit;
        armed_ = true;
        wake_.notify_one();
    }
    void disarm() {
        const std::lock_guard lock(mutex_);
        armed_ = false;
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!done_) {
            if (!armed_) {
                wake_.wait(lock);
                continue;
            }
            if (wake_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
                std::chrono::steady_clock::now() >= deadline_) {
                std::fprintf(stderr, "soak: the session of seed %llu did not end within %lld s: a hang\n",
                             static_cast<unsigned long long>(seed_),
                             static_cast<long long>(kSessionLimit.count()));
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::chrono::steady_clock::time_point deadline_;
    std::uint64_t seed_ = 0;
    bool armed_ = false;
    bool done_ = false;
    std::thread thread_;
};

// An output stream that hands every complete line to a callback.
class LineSink final : public std::streambuf {
public:
    explicit LineSink(std::function<void(const std::string&)> onLine) : onLine_(std::move(onLine)) {}

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) put(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize i = 0; i < n; ++i) put(s[i]);
        return n;
    }

private:
    void put(char c) {
        if (c != '\n') {
            line_ += c;
            return;
        }
        onLine_(line_);
        line_.clear();
    }
    std::function<void(const std::string&)> onLine_;
    std::string line_;
};

std::string Unescaped(std::string_view line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
            text += '\n';
            ++i;
        } else {
            text += line[i];
        }
    }
    return text;
}

struct SessionFigures {
    int commands = 0;
    int messages = 0;
    std::array<int, test::kProgramMessages.size()> byMessage{};
    int records = 0;
    std::vector<std::string> faults;
};

// Plays one session and checks the state after every command.
class SessionCheck {
public:
    SessionCheck(const test::Session& session, const fs::path& dataFile) : session_(session) {
        runner_.emplace(out_, ExperimentSettings{session.separator, dataFile});
    }

    SessionFigures play() {
        try {
            runner_->run(session_.lines);
        } catch (const BadScriptLine& bad) {
            fault("the script line " + std::to_string(bad.lineNumber) + " was refused: " + bad.reason);
        }
        if (runner_->experiment().running()) fault("a run is still active after the script");
        return figures_;
    }

private:
    void onLine(const std::string& line) {
        const auto tab = line.find('\t');
        const std::string kind = line.substr(0, tab);
        const std::string text = tab == std::string::npos ? std::string() : Unescaped(line.substr(tab + 1));
        if (kind == "message") {
            ++figures_.messages;
            for (std::size_t m = 0; m < test::kProgramMessages.size(); ++m)
                if (text == test::kProgramMessages[m]) ++figures_.byMessage[m];
            if (!test::IsProgramMessage(text)) fault("a message that is not the program's: \"" + text + "\"");
        } else if (kind == "picture1") {
            checkPictureText(text);
        } else if (kind.starts_with("Text")) {
            const int box = std::stoi(kind.substr(4));
            boxes_[box] = text;
            if (box == kTextBoxCount) afterCommand();
        } else {
            fault("an output line of an unknown kind: \"" + line + "\"");
        }
    }

    // The "print" that follows every command has just ended.
    void afterCommand() {
        const std::size_t index = 2 * figures_.commands;
        const std::string command = index < session_.lines.size() ? session_.lines[index] : "?";
        ++figures_.commands;
        if (command.starts_with("set Text")) {
            const auto blank = command.find(' ', 4);
            typed_[std::stoi(command.substr(8, blank - 8))] = command.substr(blank + 1);
        }
        for (int box = 1; box <= kTextBoxCount; ++box) {
            const std::string& text = boxes_[box];
            if (text.empty() || text == typed_[box] || test::IsNumberText(text, session_.separator)) continue;
            // The real time is shown to hundredths of a second.
            if (box == Text56 && ParseNumber(text)) continue;
            fault("after \"" + command + "\" Text" + std::to_string(box) + " shows \"" + text + "\"");
        }
        const ModelRecord& r = runner_->record();
        if (r.NT < 0 || r.NT > 2221) fault("after \"" + command + "\" NT = " + std::to_string(r.NT));
        if (r.StepCount < 0 || r.FileStepCount < 0) fault("after \"" + command + "\" a negative step count");
        for (int i = 1; i <= kStateSize; ++i)
            if (!std::isfinite(r.Z[i]))
                fault("after \"" + command + "\" Z(" + std::to_string(i) + ") is not finite");
    }

    void checkPictureText(const std::string& text) {
        for (const std::string label : {"V1", "V2", "w2"}) {
            const std::string first = " " + label + "= ", second = "   " + label + "= ";
            if (!text.starts_with(first)) continue;
            const auto gap = text.find(second);
            if (gap != std::string::npos &&
                test::IsNumberText(text.substr(first.size(), gap - first.size()), session_.separator) &&
                test::IsNumberText(text.substr(gap + second.size()), session_.separator))
                return;
        }
        fault("picture text \"" + text + "\"");
    }

    void fault(std::string what) {
        if (figures_.faults.size() < 5) figures_.faults.push_back(std::move(what));
    }

    const test::Session& session_;
    SessionFigures figures_;
    std::array<std::string, kTextBoxCount + 1> boxes_;
    std::array<std::string, kTextBoxCount + 1> typed_;
    LineSink sink_{[this](const std::string& line) { onLine(line); }};
    std::ostream out_{&sink_};
    std::optional<BatchRunner> runner_;
};

class Soak : public testing::Test {
protected:
    void SetUp() override {
        // One folder per process: the suite may run in several build folders at once.
        folder_ = fs::temp_directory_path() / ("kvor-soak-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "blocked");
        files_ = {folder_ / "kvor.dat", folder_ / "blocked"};
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Plays the session of one seed; returns its figures after checking its data file.
    SessionFigures play(std::uint64_t seed, bool showScript) {
        fs::remove(files_.good);
        const test::Session session = test::GenerateSession(seed, files_);
        if (showScript)
            for (const std::string& line : session.lines) std::printf("  %s\n", line.c_str());
        std::printf("soak: seed %llu\n", static_cast<unsigned long long>(seed));
        std::fflush(stdout);

        watchdog_.arm(seed);
        SessionCheck check(session, files_.good);
        SessionFigures figures = check.play();
        watchdog_.disarm();

        std::ifstream file(files_.good, std::ios::binary);
        const std::string contents{std::istreambuf_iterator<char>(file), {}};
        if (const std::string fault = test::DataFileFault(contents, session.separator); !fault.empty())
            figures.faults.push_back("data file: " + fault);
        figures.records = test::DataRecordCount(contents, session.separator);
        for (const std::string& fault : figures.faults)
            ADD_FAILURE() << "seed " << seed << ": " << fault << "\n  replay: KVOR_SOAK_SEED=" << seed;
        return figures;
    }

    fs::path folder_;
    test::SessionFiles files_;
    Watchdog watchdog_;
};

TEST_F(Soak, RandomSessionsOnlyEverShowWhatTheProgramMayShow) {
    if (const auto seed = EnvironmentNumber("KVOR_SOAK_SEED")) {
        play(*seed, true);
        return;
    }
    const std::uint64_t first = EnvironmentNumber("KVOR_SOAK_FIRST_SEED").value_or(kFirstSeed);
    const auto sessions = static_cast<int>(EnvironmentNumber("KVOR_SOAK_SESSIONS").value_or(kSessions));
    const auto started = std::chrono::steady_clock::now();
    long commands = 0, messages = 0, records = 0;
    std::array<long, test::kProgramMessages.size()> byMessage{};
    std::chrono::duration<double> slowest{0};
    std::uint64_t slowestSeed = first;
    for (int i = 0; i < sessions; ++i) {
        const auto sessionStarted = std::chrono::steady_clock::now();
        const SessionFigures figures = play(first + i, false);
        if (const std::chrono::duration<double> took = std::chrono::steady_clock::now() - sessionStarted;
            took > slowest) {
            slowest = took;
            slowestSeed = first + i;
        }
        commands += figures.commands;
        messages += figures.messages;
        records += figures.records;
        for (std::size_t m = 0; m < byMessage.size(); ++m) byMessage[m] += figures.byMessage[m];
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::printf(
        "soak: %d sessions (seeds %llu to %llu), %ld commands, %ld messages, %ld data records, %.1f s\n",
        sessions, static_cast<unsigned long long>(first),
        static_cast<unsigned long long>(first + sessions - 1), commands, messages, records, took.count());
    std::printf("soak: the slowest session, seed %llu, took %.2f s\n",
                static_cast<unsigned long long>(slowestSeed), slowest.count());
    for (std::size_t m = 0; m < byMessage.size(); ++m) {
        const std::string_view text = test::kProgramMessages[m];
        std::printf("soak: %6ld x %.*s\n", byMessage[m], static_cast<int>(text.find('\n')), text.data());
    }
    EXPECT_GT(messages, 0) << "the sessions never reached an error path";
    EXPECT_GT(records, 0) << "the sessions never recorded";
}

} // namespace
} // namespace kvor
