#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace kvor {

// What the command line of kvor3m-batch asks for: a script to run, or an end right away.
struct BatchCommandLine {
    std::string script;            // a file, or "-" for standard input
    bool english = false;          // --language en: the messages in English, not as written
    std::optional<int> exitStatus; // set when the program ends at once, its texts written
};

// Reads `kvor3m-batch [--help | --version | [--language ru|en] SCRIPT]`. --help writes the usage
// and --version the version to `out` (status 0); anything else that is not one script, such as
// an unknown option or language, writes what is wrong and the usage to `err` (status 2).
BatchCommandLine ReadBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                      std::ostream& err);

} // namespace kvor
