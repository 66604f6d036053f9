// kvor3m-batch SCRIPT: runs the impact simulator without a window, the script playing the user.
// SCRIPT is a file, or - for standard input. kvor3m-batch(1) and README.md describe the commands.

#include "batch_runner.h"
#include "command_line.h"
#include "control/data_file_place.h"
#include "english_texts.h"
#include "home_documents.h"

#include <clocale>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The decimal separator of the user's locale, as the window would show numbers.
char localeDecimalSeparator() {
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const char* point = std::localeconv()->decimal_point;
        if (point && (point[0] == '.' || point[0] == ',') && point[1] == '\0') separator = point[0];
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    const kvor::BatchCommandLine options = kvor::ReadBatchCommandLine(argc, argv, std::cout, std::cerr);
    if (options.exitStatus) return *options.exitStatus;
    const std::string& script = options.script;
    std::vector<std::string> lines;
    if (script == "-") {
        lines = readLines(std::cin);
    } else {
        std::ifstream file(script);
        if (!file) {
            std::cerr << "kvor3m-batch: cannot read " << script << '\n';
            return 2;
        }
        lines = readLines(file);
    }

    // The pictures are drawn only for a script that saves one.
    std::unique_ptr<kvor::PictureFiles> pictures;
    if (kvor::ScriptHasCommand(lines, kvor::ScriptCommand::Kind::Png)) pictures = kvor::MakePictureFiles();
    kvor::Translation translation;
    if (options.english) translation = kvor::English;
    kvor::BatchRunner runner(std::cout,
                             {localeDecimalSeparator(), kvor::DefaultDataFile(kvor::HomeDocuments{})},
                             std::move(pictures), std::move(translation));
    try {
        runner.run(std::move(lines));
    } catch (const kvor::BadScriptLine& bad) {
        std::cout.flush();
        std::cerr << "kvor3m-batch: line " << bad.lineNumber << ": " << bad.reason << '\n';
        return 2;
    }
    // A grading script tells a run whose files are all written from one that lost some.
    return runner.writeFailed() ? 3 : 0;
}
