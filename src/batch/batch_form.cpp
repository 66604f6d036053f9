#include "batch_form.h"

namespace kvor {

BatchForm::BatchForm() {
    visible_.fill(true);
    visible_[Text16] = false;
    checks_[Check12] = true;
}

} // namespace kvor
