#pragma once

#include "output/form.h"

#include <optional>
#include <string>
#include <string_view>

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
        Run,    // run N: during a run, the next command comes N screen updates later
        Answer, // answer yes | no: the answer to the next question about Eq
        Data,   // data FILE: where data records are appended
        Print,  // every text box as "TextN<TAB>text"
    };
    Kind kind = Kind::Print;
    OptionButton variant = OptionButton::Option1;
    TextBox box = Text1;
    CheckBox check = Check1;
    bool on = false;  // check on, answer yes
    long count = 0;   // run N
    std::string text; // set TEXT, data FILE
};

// A line that cannot be understood, and why.
struct ScriptError {
    std::string reason;
};

// Parses one line of a script. A blank line or a line whose first non-blank character is '#'
// gives nothing. Other commands may end in a comment that begins with '#' after a blank; the
// TEXT of set is the rest of the line after the one blank that follows NAME, exactly as typed.
// Throws ScriptError for anything else.
std::optional<ScriptCommand> ParseScriptLine(std::string_view line);

// A text box by its control name (Text1 ... Text67) or by the caption beside it (m10, VX1, Mx,
// NC0, ...); where an input box and a panel box share a caption, the input box.
std::optional<TextBox> TextBoxByName(std::string_view name);

// A check box by its control name (Check1 ... Check13) or its caption (Лоренц, +Fm, Запись, ...).
std::optional<CheckBox> CheckBoxByName(std::string_view name);

} // namespace kvor
