#include "command_line.h"

#include "build_info.h"

#include <string_view>

namespace kvor {

namespace {

constexpr std::string_view kUsage =
    "Usage: kvor3m-batch SCRIPT\n"
    "Runs the impact simulator Kvor3m without a window, a script playing the user: one command a\n"
    "line. SCRIPT is a file, or - for standard input. The commands are in kvor3m-batch(1).\n"
    "\n"
    "Options:\n"
    "  --help     show this text and end\n"
    "  --version  show the version and end\n";

} // namespace

BatchCommandLine ReadBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                      std::ostream& err) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 2 && first == "--help") {
        out << kUsage;
        return {{}, 0};
    }
    if (argc == 2 && first == "--version") {
        out << "kvor3m-batch " << build::kVersion << '\n';
        return {{}, 0};
    }
    // "-" alone is standard input; any other word that starts with a dash is an option we lack.
    if (argc == 2 && (first == "-" || !first.starts_with('-'))) return {std::string(first), {}};
    if (argc > 1 && first.starts_with('-') && first != "-")
        err << "kvor3m-batch: unknown option " << first << '\n';
    err << kUsage;
    return {{}, 2};
}

} // namespace kvor
