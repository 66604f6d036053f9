#include "batch_form.h"

namespace kvor {

BatchForm::BatchForm() {
    visible_.fill(true);
    visible_[Text16] = false;
    checks_[Check12] = true;
}

// Out of line: inlined into a caller that passes a short literal, GCC 12 warns about the string
// copy with a false -Wrestrict.
void BatchForm::setText(TextBox box, std::string_view text) {
    texts_.at(box).assign(text);
}

} // namespace kvor
