#pragma once

#include "host/form.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace kvor {

// The window's boxes as plain values, for the batch runner and the tests. It starts as the
// window does before its load: empty boxes, Option1 selected, "исходные данные" ticked. Nobody
// looks at its boxes between two commands of a script, so a number written into a box is kept as
// a number and its text made when it is asked for: a run pays for the texts of the panel only
// when they are printed.
class BatchForm final : public Form {
public:
    BatchForm();

    std::string_view text(TextBox box) const override;
    void setText(TextBox box, std::string_view text) override;
    void setNumber(TextBox box, double value, char decimalSeparator) override;
    bool isChecked(CheckBox box) const override { return checks_.at(box); }
    bool isSelected(OptionButton option) const override { return selected_ == option; }
    // Nobody sees the boxes of a script: which of them are shown is not kept.
    void setTextVisible(TextBox, bool) override {}
    void setRodLengthLabelVisible(bool) override {}

    void setChecked(CheckBox box, bool checked) { checks_.at(box) = checked; }
    // Selects an option button; the caller runs its click handler when it became selected.
    void select(OptionButton option) { selected_ = option; }

private:
    // The number last written into a box, while the box holds it: its text may still have to be
    // made, or already be the box's text.
    struct BoxNumber {
        double value = 0;
        char decimalSeparator = '.';
        bool held = false;
        bool textMade = false;
        bool is(double v, char separator) const {
            return held && std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(v) &&
                   decimalSeparator == separator;
        }
    };

    mutable std::array<std::string, kTextBoxCount + 1> texts_;
    mutable std::array<BoxNumber, kTextBoxCount + 1> numbers_{};
    std::array<bool, kCheckBoxCount + 1> checks_{};
    OptionButton selected_ = OptionButton::Option1;
};

} // namespace kvor
