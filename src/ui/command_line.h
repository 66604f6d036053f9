#pragma once

#include "language.h"
#include "pace.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kvor::ui {

// What the command line asks of this run of the window.
struct CommandLine {
    QString dataFile;                 // --data FILE: the data file of this run only; empty when not given
    QString experimentFile;           // FILE: the experiment file to open; empty when not given
    std::optional<int> lesson;        // --lesson N: the N-th lesson of "Опыты" to open, from 1
    std::optional<Pace> pace;         // --pace slow|normal|fast|max: the pace of this run only
    std::optional<Language> language; // --language en|ru: the language of this run only
    std::optional<int> zoom;          // --zoom PERCENT, one of kZoomPercents: the zoom of this run only
    std::optional<int> exitStatus;    // set when the program ends at once, its texts written
};

// Reads the window's options from `arguments` (QApplication has taken its own, such as -platform,
// already). --help and --version write their texts to standard output (status 0); an unknown
// option, a missing value, a second file, a lesson number that is not a whole number from 1 or a
// lesson together with a file writes what is wrong and the usage to standard error (status 2).
// The texts are in the language installed (see LanguageOption).
CommandLine ReadCommandLine(const QStringList& arguments);

// Whether the program has no display to show a window on: no X11 or Wayland display and no
// platform chosen. Qt would end such a program at once, before it reads the command line; this
// chooses its offscreen platform instead, so that --help and --version still answer. Call it
// before the application is made, and refuse to open the window when it returned true.
bool PrepareForNoDisplay(int argc, const char* const* argv);

} // namespace kvor::ui
