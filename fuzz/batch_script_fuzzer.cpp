// Whole scripts through the batch runner: the script reader, every command, the runs and the
// writers; and each input as a whole experiment file given to "open" first. A script or an
// experiment file is what a user may be sent, so nothing in one may crash or hang the runner.
// Each input is kept quick: at most 10 steps per screen update (NC0, also after a variant loads
// its example or a file is opened), at most four runs, "run N" at most 50, and every file a command
// names lies in a scratch folder that holds a folder, a FIFO and the input as opened.kvs, made
// afresh for each input.

#include "batch/batch_runner.h"
#include "core/number_text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <sstream>

namespace {

using kvor::ScriptCommand;

// The scratch folder, gone when the fuzzer ends.
const struct Scratch {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kvor-fuzz-" + std::to_string(getpid()));
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
} kScratch;

// The last part of a name, of its letters, digits, dots and underscores, in the scratch folder.
std::string scratchFile(std::string_view name) {
    std::string kept;
    for (const char c : name.substr(name.find_last_of('/') + 1))
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_') kept += c;
    return (kScratch.folder / (kept.empty() || kept == ".." ? "file" : kept.substr(0, 32))).string();
}

// The lines as the target runs them. A line that cannot be understood is kept as it is, for the
// runner to refuse.
std::vector<std::string> quickLines(std::string_view text) {
    std::vector<std::string> lines;
    int runs = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string line(text.substr(at, end - at));
        at = end + 1;
        std::optional<ScriptCommand> c;
        try {
            c = kvor::ParseScriptLine(line);
        } catch (const kvor::ScriptError&) {
        }
        using Kind = ScriptCommand::Kind;
        const auto nc0 =
            c && c->kind == Kind::Set && c->box == kvor::Text55 ? kvor::ParseNumber(c->text) : std::nullopt;
        if (nc0 && *nc0 > 10) line = "set NC0 10";
        if (c && c->kind == Kind::Run && c->count > 50) line = "run 50";
        if (c && (c->kind == Kind::Data || c->kind == Kind::Csv || c->kind == Kind::Save))
            line = (c->kind == Kind::Data  ? "data "
                    : c->kind == Kind::Csv ? "csv "
                                           : "save ") +
                   scratchFile(c->text);
        if (c && c->kind == Kind::Open) line = "open " + scratchFile(c->text);
        const bool run = c && (c->kind == Kind::Start || c->kind == Kind::Continue ||
                               c->kind == Kind::Steps || c->kind == Kind::Reverse);
        if (run && ++runs > 4) continue;
        lines.push_back(std::move(line));
        if (c && (c->kind == Kind::Variant || c->kind == Kind::Open)) lines.emplace_back("set NC0 10");
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::filesystem::remove_all(kScratch.folder);
    std::filesystem::create_directories(kScratch.folder / "folder");
    ::mkfifo((kScratch.folder / "fifo").c_str(), 0600);
    std::ostringstream out;
    kvor::BatchRunner runner(out, {'.', kScratch.folder / "kvor.dat"});
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The input as a file that is opened (its NC0 made quick after it), then as the script.
    const std::string opened = scratchFile("opened.kvs");
    try {
        kvor::WriteWholeFile(opened, text);
        runner.run({"open " + opened, "set NC0 10"});
    } catch (const kvor::BadScriptLine&) {
    }
    try {
        runner.run(quickLines(text));
    } catch (const kvor::BadScriptLine&) {
    }
    return 0;
}
