// Whatever a user types into the boxes and clicks, the engine answers with one of its own
// messages or with a result: no crash, no infinity or NaN in a box, a picture text or the data
// file, every data record complete, and no run left active when its command returns.
//
// An input is a list of lines, each one action of the user:
//   TextN=TEXT          type TEXT into box N (1..67)
//   +N / -N             tick / untick CheckN
//   ball-ball, ball-rod select a variant (its worked example is loaded while Check12 is ticked)
//   start, continue, steps, reverse, show, clear, stop   press the button
//   no                  answer No to the next question
//   blocked, unblocked  the data file cannot / can be written
// Other lines are only read as lines of a batch script: each is a command, nothing (a blank or a
// comment) or refused with a reason, and means the same with a CR LF line end. An input that presses no button that runs ends with a start. A first
// line "," makes the comma the decimal separator. Every run is stopped at its first screen
// update, so it ends at the second one; NC0 above 64 is typed as 64 to keep runs short.

#include "batch/batch_runner.h"
#include "batch/script.h"
#include "core/number_text.h"
#include "program_outputs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
constexpr int kMaxRuns = 12;

[[noreturn]] void fault(const std::string& what) {
    std::fprintf(stderr, "experiment inputs fault: %s\n", what.c_str());
    std::abort();
}

// One folder per fuzzing process for the data file, and a folder where a file is expected.
struct DataFolder {
    DataFolder() { fs::create_directories(folder / "blocked" / "kvor.dat"); }
    fs::path folder = fs::temp_directory_path() / ("kvor-fuzz-inputs-" + std::to_string(::getpid()));
    fs::path file = folder / "kvor.dat";
    fs::path blocked = folder / "blocked" / "kvor.dat";
};

class Session {
public:
    Session(char separator, const DataFolder& data) : runner_(out_, {separator, data.file}), separator_(separator) {
        fs::remove(data.file);
        runner_.run({"check Check2 off"});
    }

    void act(std::string_view line, const DataFolder& data) {
        const auto number = [&](std::string_view text) { return kvor::ParseInteger(text).value_or(0); };
        if (line.starts_with("Text") && line.find('=') != std::string_view::npos) {
            const auto box = number(line.substr(4, line.find('=') - 4));
            std::string text(line.substr(line.find('=') + 1));
            if (box == kvor::Text55 && number(text) > 64) text = "64";
            if (box >= 1 && box <= kvor::kTextBoxCount) type(static_cast<kvor::TextBox>(box), text);
        } else if ((line.starts_with('+') || line.starts_with('-')) && number(line.substr(1)) >= 1 &&
                   number(line.substr(1)) <= kvor::kCheckBoxCount) {
            runner_.run({"check Check" + std::to_string(number(line.substr(1))) + (line[0] == '+' ? " on" : " off")});
        } else if (line == "ball-ball" || line == "ball-rod") {
            runner_.run({"variant " + std::string(line)});
        } else if (line == "no" || line == "stop" || line == "show") {
            runner_.run({line == "no" ? "answer no" : std::string(line)});
        } else if (line == "blocked" || line == "unblocked") {
            runner_.run({"data " + (line == "blocked" ? data.blocked : data.file).string()});
        } else if (line == "clear") {
            runner_.experiment().Command5_Click();
        } else if (line == "start" || line == "continue" || line == "steps" || line == "reverse") {
            // Stopped at the first screen update: the run ends at the second.
            if (++runs_ <= kMaxRuns) runner_.run({std::string(line), "stop", "run 1"});
        } else if (const auto command = parsed(line); !line.ends_with('\r') && command != parsed(std::string(line) + '\r')) {
            fault("a CR LF line end changes the meaning of a script line: " + std::string(line));
        }
    }

    // What the user can see after every action.
    void check() {
        std::istringstream shown(out_.str());
        for (std::string line; std::getline(shown, line);) {
            const auto tab = line.find('\t');
            const std::string kind = line.substr(0, tab), text = line.substr(tab + 1);
            if (kind == "message" && !kvor::fuzz::IsProgramMessage(Unescaped(text)))
                fault("a message that is not the program's: " + text);
            if (kind == "picture1") checkPictureText(text);
        }
        out_.str("");
        for (int box = 1; box <= kvor::kTextBoxCount; ++box) {
            const std::string text(runner_.form().text(static_cast<kvor::TextBox>(box)));
            if (text.empty() || kvor::fuzz::IsNumberText(text, separator_) || typed_[box].count(text)) continue;
            fault("Text" + std::to_string(box) + " shows \"" + text + "\"");
        }
        if (runner_.record().NT < 0 || runner_.record().NT > 2221) fault("NT = " + std::to_string(runner_.record().NT));
        if (runner_.experiment().running()) fault("a run is still active after its command returned");
    }

    void finish(const DataFolder& data) {
        if (runs_ == 0) act("start", data);
        check();
        std::ifstream file(data.file, std::ios::binary);
        const std::string contents{std::istreambuf_iterator<char>(file), {}};
        if (const std::string f = kvor::fuzz::DataFileFault(contents, separator_); !f.empty()) fault("data file: " + f);
    }

private:
    void type(kvor::TextBox box, const std::string& text) {
        runner_.run({"set Text" + std::to_string(box) + " " + text});
        typed_[box].insert(std::string(runner_.form().text(box)));
    }

    // A script line as the runner reads it: the command's kind and text, "" for nothing, the reason
    // of a refusal.
    static std::string parsed(std::string_view line) {
        try {
            const auto c = kvor::ParseScriptLine(line);
            return c ? std::to_string(static_cast<int>(c->kind)) + "\t" + c->text : "";
        } catch (const kvor::ScriptError& e) {
            if (e.reason.empty()) fault("a script line refused without a reason");
            return "refused: " + e.reason;
        }
    }

    static std::string Unescaped(std::string text) {
        for (auto at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1)) text.replace(at, 2, "\n");
        return text;
    }

    // " V1= a   V1= b", " V2= ...", " w2= ...": two numbers after their labels.
    void checkPictureText(const std::string& printed) const {
        for (const std::string label : {"V1", "V2", "w2"}) {
            const std::string first = " " + label + "= ", second = "   " + label + "= ";
            const auto gap = printed.find(second);
            if (!printed.starts_with(first) || gap == std::string::npos) continue;
            if (kvor::fuzz::IsNumberText(printed.substr(first.size(), gap - first.size()), separator_) &&
                kvor::fuzz::IsNumberText(printed.substr(gap + second.size()), separator_))
                return;
        }
        fault("picture text \"" + printed + "\"");
    }

    std::ostringstream out_;
    kvor::BatchRunner runner_;
    char separator_;
    std::map<int, std::set<std::string>> typed_;
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
        session.act(input.substr(0, end), folder);
        session.check();
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    session.finish(folder);
    return 0;
}
