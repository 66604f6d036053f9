// Whatever a user types into the boxes and clicks, the engine answers with one of its own
// messages or with a result: no crash, no infinity or NaN in a box, a picture text or the data
// file, and every data record complete.
//
// An input is a list of lines, each one action of the user:
//   TextN=TEXT          type TEXT into box N (1..67)
//   +N / -N             tick / untick CheckN
//   ball-ball, ball-rod select a variant (its worked example is loaded while Check12 is ticked)
//   start, continue, steps, reverse, show, clear, stop   press the button
//   no                  answer No to the next question
//   blocked, unblocked  the data file cannot / can be written
// Other lines do nothing. An input that presses no button that runs ends with a start. A first
// line "," makes the comma the decimal separator. Every run is stopped at its first screen
// update, so it ends at the second one; NC0 above 64 is typed as 64 to keep runs short.

#include "core/number_text.h"
#include "engine_fixture.h"
#include "program_outputs.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using kvor::test::Engine;

constexpr int kMaxRuns = 12;
constexpr kvor::Integer kMaxNC0 = 64;

[[noreturn]] void fault(const std::string& what) {
    std::fprintf(stderr, "experiment inputs fault: %s\n", what.c_str());
    std::abort();
}

// One folder per fuzzing process for the data file, and a folder where a file is expected.
struct DataFolder {
    DataFolder() {
        fs::create_directories(blocked);
        fs::create_directories(blocked / "kvor.dat");
    }
    fs::path folder = fs::temp_directory_path() / ("kvor-fuzz-inputs-" + std::to_string(::getpid()));
    fs::path file = folder / "kvor.dat";
    fs::path blocked = folder / "blocked";
};

class Session {
public:
    Session(char separator, const DataFolder& data)
        : engine_(separator, data.file), separator_(separator), data_(data) {
        fs::remove(data.file);
        engine_.form.setChecked(kvor::Check2, false);
        // Every run ends at its second screen update.
        engine_.events.onEvents = [this](int) { engine_.experiment.Command2_Click(); };
    }

    void act(std::string_view line) {
        if (line.starts_with("Text")) return type(line.substr(4));
        if ((line.starts_with("+") || line.starts_with("-")) && line.size() > 1) return tick(line);
        using kvor::OptionButton;
        if (line == "ball-ball") return select(OptionButton::Option1);
        if (line == "ball-rod") return select(OptionButton::Option2);
        if (line == "no") return engine_.messages.answers.push_back(false);
        if (line == "blocked") return engine_.experiment.setDataFile(data_.blocked / "kvor.dat");
        if (line == "unblocked") return engine_.experiment.setDataFile(data_.file);
        if (line == "show") return engine_.experiment.Command7_Click();
        if (line == "clear") return engine_.experiment.Command5_Click();
        if (line == "stop") return engine_.experiment.Command2_Click();
        if (runs_ >= kMaxRuns) return;
        if (line == "start") {
            capStepCount();
            press(&kvor::Experiment::Command1_Click);
        } else if (line == "continue") {
            press(&kvor::Experiment::Command3_Click);
        } else if (line == "steps") {
            press(&kvor::Experiment::Command10_Click);
        } else if (line == "reverse") {
            press(&kvor::Experiment::Command11_Click);
        }
    }

    void finish() {
        if (runs_ == 0) {
            capStepCount();
            press(&kvor::Experiment::Command1_Click);
        }
        check();
        std::ifstream file(data_.file, std::ios::binary);
        const std::string contents{std::istreambuf_iterator<char>(file), {}};
        if (const std::string f = kvor::fuzz::DataFileFault(contents, separator_); !f.empty())
            fault("data file: " + f);
    }

    // What the user can see after every action.
    void check() {
        for (const std::string& shown : engine_.messages.shown)
            if (!kvor::fuzz::IsProgramMessage(shown)) fault("a message that is not the program's: " + shown);
        for (int box = 1; box <= kvor::kTextBoxCount; ++box) {
            const std::string_view text = engine_.form.text(static_cast<kvor::TextBox>(box));
            if (text.empty() || kvor::fuzz::IsNumberText(text, separator_)) continue;
            if (typed_[box] && *typed_[box] == text) continue;
            fault("Text" + std::to_string(box) + " shows \"" + std::string(text) + "\"");
        }
        for (const std::string& printed : engine_.picture1.printed()) checkPictureText(printed);
        const kvor::ModelRecord& r = engine_.record;
        if (r.NT < 0 || r.NT > 2221) fault("NT = " + std::to_string(r.NT));
        if (engine_.experiment.running()) fault("a run is still active after its command returned");
    }

private:
    void type(std::string_view rest) {
        const auto equals = rest.find('=');
        if (equals == std::string_view::npos) return;
        const auto n = kvor::ParseInteger(rest.substr(0, equals));
        if (!n || *n < 1 || *n > kvor::kTextBoxCount) return;
        const std::string_view text = rest.substr(equals + 1);
        engine_.form.setText(static_cast<kvor::TextBox>(*n), text);
        typed_[*n] = std::string(text);
    }

    void tick(std::string_view line) {
        const auto n = kvor::ParseInteger(line.substr(1));
        if (!n || *n < 1 || *n > kvor::kCheckBoxCount) return;
        engine_.form.setChecked(static_cast<kvor::CheckBox>(*n), line[0] == '+');
    }

    void select(kvor::OptionButton option) {
        if (engine_.form.isSelected(option)) return;
        engine_.form.select(option);
        if (option == kvor::OptionButton::Option1)
            engine_.experiment.Option1_Click();
        else
            engine_.experiment.Option2_Click();
    }

    void capStepCount() {
        const auto nc0 = kvor::ParseInteger(engine_.form.text(kvor::Text55));
        if (nc0 && *nc0 > kMaxNC0) {
            const std::string capped = kvor::NumberText(kMaxNC0, separator_);
            engine_.form.setText(kvor::Text55, capped);
            typed_[kvor::Text55] = capped;
        }
    }

    void press(void (kvor::Experiment::*button)()) {
        ++runs_;
        engine_.events.calls = 0;
        (engine_.experiment.*button)();
        if (engine_.events.calls > 2) fault("a run went on after it was stopped");
        check();
    }

    void checkPictureText(std::string_view printed) {
        // " V1= a   V1= b", " V2= ...", " w2= ...": two numbers after their labels.
        for (const std::string_view label : {"V1", "V2", "w2"}) {
            const std::string first = " " + std::string(label) + "= ",
                              second = "   " + std::string(label) + "= ";
            if (!printed.starts_with(first)) continue;
            const std::string_view rest = printed.substr(first.size());
            const auto gap = rest.find(second);
            if (gap == std::string_view::npos) break;
            if (kvor::fuzz::IsNumberText(rest.substr(0, gap), separator_) &&
                kvor::fuzz::IsNumberText(rest.substr(gap + second.size()), separator_))
                return;
            break;
        }
        fault("picture text \"" + std::string(printed) + "\"");
    }

    Engine engine_;
    char separator_;
    const DataFolder& data_;
    std::array<std::optional<std::string>, kvor::kTextBoxCount + 1> typed_;
    int runs_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const DataFolder folder;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    char separator = '.';
    if (input.starts_with(",\n")) {
        separator = ',';
        input.remove_prefix(2);
    }
    Session session(separator, folder);
    while (!input.empty()) {
        const auto end = input.find('\n');
        session.act(input.substr(0, end));
        session.check();
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    session.finish();
    return 0;
}
