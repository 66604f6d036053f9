// The batch-script parser: any line is a command, nothing (blank or comment) or a ScriptError
// with a reason, never anything else; a line read with a CR LF ending means what it means with
// LF; "set" keeps its text exactly as typed. The commands that do not enter a run are then
// carried out by a batch runner, whose output may hold only the program's own messages.

#include "batch/batch_runner.h"
#include "batch/script.h"
#include "program_outputs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void fault(const char* what, std::string_view line) {
    std::fprintf(stderr, "batch script fault: %s: \"%.*s\"\n", what, static_cast<int>(line.size()),
                 line.data());
    std::abort();
}

struct Outcome {
    std::optional<kvor::ScriptCommand> command;
    std::optional<std::string> error;
};

Outcome parse(std::string_view line) {
    Outcome o;
    try {
        o.command = kvor::ParseScriptLine(line);
    } catch (const kvor::ScriptError& e) {
        if (e.reason.empty()) fault("a refused line without a reason", line);
        o.error = e.reason;
    }
    return o;
}

bool same(const kvor::ScriptCommand& a, const kvor::ScriptCommand& b) {
    return a.kind == b.kind && a.variant == b.variant && a.box == b.box && a.check == b.check &&
           a.on == b.on && a.count == b.count && a.text == b.text;
}

void checkLine(std::string_view line) {
    const Outcome o = parse(line);

    std::string_view bare = line;
    if (!bare.empty() && bare.back() == '\r') bare.remove_suffix(1);
    std::size_t first = 0;
    while (first < bare.size() && (bare[first] == ' ' || bare[first] == '\t')) ++first;
    const bool nothing = first == bare.size() || bare[first] == '#';
    if (nothing != (!o.command && !o.error))
        fault("a blank or comment line is a command, or the reverse", line);

    if (o.command) {
        const kvor::ScriptCommand& c = *o.command;
        using Kind = kvor::ScriptCommand::Kind;
        if (c.box < 1 || c.box > kvor::kTextBoxCount) fault("a text box out of range", line);
        if (c.check < 1 || c.check > kvor::kCheckBoxCount) fault("a check box out of range", line);
        if (c.kind == Kind::Set && !bare.ends_with(c.text))
            fault("set does not keep its text as typed", line);
        if (c.kind == Kind::Run && c.count < 0) fault("a negative run count", line);
        if (c.kind == Kind::Data && c.text.empty()) fault("data without a file", line);
    }

    // The same line from a file with CR LF line ends.
    if (line.empty() || line.back() != '\r') {
        const Outcome crlf = parse(std::string(line) + '\r');
        if (crlf.error.has_value() != o.error.has_value() ||
            crlf.command.has_value() != o.command.has_value() ||
            (o.command && !same(*crlf.command, *o.command)))
            fault("a CR LF line end changes the meaning", line);
    }
}

// Carries out what does not enter the run loop: typing, ticking, variants, Show bodies, printing.
void runQuietCommands(const std::vector<std::string>& lines) {
    std::ostringstream out;
    kvor::BatchRunner runner(out, {'.', "/dev/null"});
    for (const std::string& line : lines) {
        const Outcome o = parse(line);
        if (!o.command) continue;
        using Kind = kvor::ScriptCommand::Kind;
        switch (o.command->kind) {
        case Kind::Variant:
        case Kind::Set:
        case Kind::Check:
        case Kind::Stop:
        case Kind::Show:
        case Kind::Run:
        case Kind::Answer:
        case Kind::Print:
            runner.execute(*o.command);
            break;
        default:
            break;
        }
    }
    std::istringstream shown(out.str());
    for (std::string line; std::getline(shown, line);) {
        if (!line.starts_with("message\t")) continue;
        std::string text;
        for (std::size_t i = 8; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
                text += '\n';
                ++i;
            } else {
                text += line[i];
            }
        }
        if (!kvor::fuzz::IsProgramMessage(text)) fault("a message that is not the program's", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    while (!script.empty()) {
        const auto end = script.find('\n');
        lines.emplace_back(script.substr(0, end));
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    }
    for (const std::string& line : lines) checkLine(line);
    runQuietCommands(lines);
    return 0;
}
