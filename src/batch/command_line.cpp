#include "command_line.h"

#include "build_info.h"

#include <string_view>

namespace kvor {

namespace {

constexpr std::string_view kUsage =
    "Usage: kvor3m-batch [--language ru|en] SCRIPT\n"
    "Runs the impact simulator Kvor3m without a window, a script playing the user: one command a\n"
    "line. SCRIPT is a file, or - for standard input. The commands are in kvor3m-batch(1).\n"
    "\n"
    "Options:\n"
    "  --help           show this text and end\n"
    "  --version        show the version and end\n"
    "  --language LANG  the language of the messages: ru (as written, the default) or en\n";

} // namespace

BatchCommandLine ReadBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                      std::ostream& err) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 2 && first == "--help") {
        out << kUsage;
        return {{}, false, 0};
    }
    if (argc == 2 && first == "--version") {
        out << "kvor3m-batch " << build::kVersion << '\n';
        return {{}, false, 0};
    }
    BatchCommandLine options;
    int next = 1;
    if (first == "--language" && argc > 2) {
        const std::string_view language = argv[2];
        if (language != "ru" && language != "en") {
            err << "kvor3m-batch: --language: ru or en, not " << language << '\n' << kUsage;
            return {{}, false, 2};
        }
        options.english = language == "en";
        next = 3;
    }
    // "-" alone is standard input; any other word that starts with a dash is an option we lack.
    const std::string_view script = next < argc ? argv[next] : "";
    if (argc == next + 1 && (script == "-" || !script.starts_with('-'))) {
        options.script = script;
        return options;
    }
    if (argc > next && script.starts_with('-') && script != "-")
        err << "kvor3m-batch: unknown option " << script << '\n';
    err << kUsage;
    return {{}, false, 2};
}

} // namespace kvor
