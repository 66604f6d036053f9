#pragma once

#include "control/run_end.h"
#include "host/form.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// One command of a batch script. The script plays the user: it types into boxes, ticks check
// boxes, selects the variant and presses buttons.
struct ScriptCommand {
    enum class Kind {
        Variant, // variant ball-ball | ball-rod
        Set,     // set NAME TEXT
        Check,   // check NAME on | off
        Start,   // the buttons
        Stop,
        Continue,
        Steps,
        Reverse,
        Show,
        // accuracy: a step study of the run so far
        Accuracy,
        Run,     // run N: during a run, the next command comes N screen updates later
        Answer,  // answer yes | no: the answer to the next question about Eq
        Data,    // data FILE: where data records are appended
        Print,   // every text box as "TextN<TAB>text"; print names: "TextN<TAB>NAME<TAB>text"
        Csv,     // csv FILE: the series of every following experiment goes to FILE
        Png,     // png picture1|picture2 FILE: saves a picture as it stands
        Title,   // title TEXT, title[LANGUAGE] TEXT: the experiment's name
        Note,    // note TEXT, note[LANGUAGE] TEXT: a line of its description
        Open,    // open FILE: the set-up lines of an experiment file, as if they stood here
        Save,    // save FILE: the current set-up as an experiment file
        End,     // end capacity | time T | separated: how the runs end
        Impacts, // impacts on | off: an "impact" line for each contact from here on
        Contact, // contact exact | fixed: the contact law of the following runs
    };
    Kind kind = Kind::Print;
    OptionButton variant = OptionButton::Option1;
    TextBox box = Text1;
    CheckBox check = Check1;
    bool on = false;  // check on, answer yes, print names, impacts on, contact exact
    long count = 0;   // run N
    int picture = 1;  // png picture1 | picture2 | picture3
    std::string text; // set TEXT, data FILE, csv FILE, png FILE, title TEXT, note TEXT, open FILE, save FILE
    std::string language; // title[LANGUAGE], note[LANGUAGE]; empty for the untagged lines
    RunEnd end;           // end
};

// A line that cannot be understood, and why.
struct ScriptError {
    std::string reason;
};

// Parses one line of a script. A blank line or a line whose first non-blank character is '#'
// gives nothing. Other commands may end in a comment that begins with '#' after a blank; the
// TEXT of set is the rest of the line after the one blank that follows NAME, exactly as typed,
// that of title and note the rest after the one blank that follows the command, and the FILE of
// data, csv, png, open and save the rest of the line without its outer blanks.
// Throws ScriptError for anything else.
std::optional<ScriptCommand> ParseScriptLine(std::string_view line);

// Whether any line of the script is a command of this kind; lines that cannot be understood are
// passed over (the run reports them when it comes to them).
bool ScriptHasCommand(const std::vector<std::string>& lines, ScriptCommand::Kind kind);

// A text box by its control name (Text1 ... Text67) or by the caption beside it (m10, VX1, Mx,
// NC0, 10^m, ...); where an input box and a panel box share a caption, the input box.
std::optional<TextBox> TextBoxByName(std::string_view name);

// A check box by its control name (Check1 ... Check13), its caption (Лоренц, +Fm, Запись,
// исходные данные, ...) or, for a curve of the time graph, the quantity it plots (VX1, w2, ...).
std::optional<CheckBox> CheckBoxByName(std::string_view name);

} // namespace kvor
