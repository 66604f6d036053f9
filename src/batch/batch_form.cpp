#include "batch_form.h"

#include "control/input_reader.h"
#include "core/number_text.h"

namespace kvor {

BatchForm::BatchForm() {
    checks_[Check12] = true;
}

std::string_view BatchForm::text(TextBox box) const {
    std::string& text = texts_.at(box);
    BoxNumber& number = numbers_[box];
    if (number.held && !number.textMade) {
        text.clear();
        AppendNumberText(text, number.value, number.decimalSeparator);
        number.textMade = true;
    }
    return text;
}

// Out of line: inlined into a caller that passes a short literal, GCC 12 warns about the string
// copy with a false -Wrestrict. A scale's text is taken at once, whoever writes it: the `set` of
// a script, or the panel writing back the scale in use.
void BatchForm::setText(TextBox box, std::string_view text) {
    std::string& current = texts_.at(box);
    numbers_[box].held = false;
    if (IsScaleBox(box) && current != text) scaleTextTaken();
    current.assign(text);
}

// A scale box gets its text at once, and the panel writes back the same scale at every refresh:
// the same number is not written again.
void BatchForm::setNumber(TextBox box, double value, char decimalSeparator) {
    texts_.at(box); // the same range check as for a text
    BoxNumber& number = numbers_[box];
    if (number.is(value, decimalSeparator)) return;
    if (IsScaleBox(box)) {
        setText(box, NumberText(value, decimalSeparator));
        number = {value, decimalSeparator, true, true};
        return;
    }
    number = {value, decimalSeparator, true, false};
}

} // namespace kvor
