#pragma once

#include "control/run_end.h"
#include "host/form.h"
#include "script.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// An experiment file is a batch script whose lines set an experiment up: the variant, the texts
// of the input boxes, the check boxes, how its runs end, and a title and notes for the student,
// in as many languages as the author likes. The window opens it, the batch runner runs it, a
// teacher edits it in any text editor. Everything else in it (the run commands, data, csv, png,
// save) is skipped when it is opened, so that a file someone sent can neither run nor write.

// The first line of every file this program writes; the desktop's type of the files looks for it.
inline constexpr std::string_view kExperimentFileMagic = "# Kvor3m experiment";

// The title and notes of an experiment, each language's together: the untagged lines ("") and
// those of "title[en]", "note[en]", ... in the order their languages first came.
struct ExperimentText {
    struct Language {
        std::string tag;
        std::optional<std::string> title;
        std::vector<std::string> notes;
    };
    std::vector<Language> languages;

    Language& language(std::string_view tag);
    // What a reader of `tag` is shown: that language's lines when there are any, the untagged
    // ones otherwise; nothing when there are neither.
    const Language* shownTo(std::string_view tag) const;
};

// What holds the set-up that the lines of a file change: the window, or the batch runner.
class SetupTarget {
public:
    virtual ~SetupTarget() = default;
    // As a click on the option button: its handler runs only when it becomes selected.
    virtual void selectVariant(OptionButton variant) = 0;
    virtual void setBoxText(TextBox box, std::string_view text) = 0;
    virtual void setChecked(CheckBox box, bool on) = 0;
    virtual void setRunEnd(const RunEnd& end) = 0;
    virtual void setExactContact(bool exact) = 0;
    virtual ExperimentText& description() = 0;
};

// Whether a command sets the experiment up (variant, set, check, title, note, end, contact), and so is
// applied when its file is opened.
bool IsSetupLine(const ScriptCommand& command);

// Applies a set-up line to `target`, the one way the window and the batch runner do it.
void ApplySetupLine(const ScriptCommand& command, SetupTarget& target);

// The set-up lines of a file, in order, with the numbers (from 1) of the lines skipped.
struct ExperimentFile {
    std::vector<ScriptCommand> lines;
    std::vector<std::size_t> skipped;
};

// The title and notes that opening `file` gives, without applying the rest.
ExperimentText DescriptionOf(const ExperimentFile& file);

// A file that cannot be read or understood: the line (from 1; 0 for the whole file), its text
// and why, with the system's errno where the file could not be read (0 otherwise).
struct ExperimentFileError {
    std::size_t lineNumber = 0;
    std::string line;
    std::string reason;
    int code = 0;
};

// Reads an experiment file, all of it before anything is applied. A line that is no command, an
// "open" (files are not opened from files), a text that is not UTF-8 or longer than a box takes,
// throws ExperimentFileError. "check Запись" is skipped with the run commands: a file that was
// sent never starts recording.
ExperimentFile ReadExperimentFile(std::string_view content);

// Reads the file at `file` and then ReadExperimentFile. Only a regular file of at most 1 MB is
// read, opened without waiting, so that a FIFO or a device named by a file someone sent can
// neither hang the program nor fill its memory. Throws ExperimentFileError.
ExperimentFile OpenExperimentFile(const std::filesystem::path& file);

// The experiment of `form` as a file: the magic line and the version, the title and notes, the
// variant, a set line for each input box by its name (the rod angle only while its tick is on),
// a check line for each check box but "Запись", the end of its runs, and "contact exact" when
// its runs take the exact contact law (a file without the line takes the default law). The texts
// are the boxes' own, so nothing is rounded, and a file read and written again comes out byte for
// byte.
std::string ExperimentFileText(const Form& form, const ExperimentText& description, const RunEnd& end,
                               bool exactContact);

} // namespace kvor
