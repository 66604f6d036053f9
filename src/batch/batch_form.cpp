#include "batch_form.h"

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
// copy with a false -Wrestrict.
void BatchForm::setText(TextBox box, std::string_view text) {
    std::string& current = texts_.at(box);
    numbers_[box].held = false;
    current.assign(text);
}

// The panel writes back the scale in use at every refresh, which the run reads before every step:
// the same number is not written again, so that its text is made once.
void BatchForm::setNumber(TextBox box, double value, char decimalSeparator) {
    texts_.at(box); // the same range check as for a text
    BoxNumber& number = numbers_[box];
    if (number.is(value, decimalSeparator)) return;
    number = {value, decimalSeparator, true, false};
}

} // namespace kvor
