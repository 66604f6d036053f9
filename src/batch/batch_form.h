#pragma once

#include "output/form.h"

#include <array>
#include <string>

namespace kvor {

// The window's boxes as plain values, for the batch runner and the tests. It starts as the
// window does before its load: empty boxes, Option1 selected, "исходные данные" ticked, the
// rod-length box and its caption hidden.
class BatchForm final : public Form {
public:
    BatchForm();

    std::string_view text(TextBox box) const override { return texts_.at(box); }
    void setText(TextBox box, std::string_view text) override;
    bool isChecked(CheckBox box) const override { return checks_.at(box); }
    bool isSelected(OptionButton option) const override { return selected_ == option; }
    void setTextVisible(TextBox box, bool visible) override { visible_.at(box) = visible; }
    void setRodLengthLabelVisible(bool visible) override { rodLengthLabelVisible_ = visible; }

    void setChecked(CheckBox box, bool checked) { checks_.at(box) = checked; }
    // Selects an option button; the caller runs its click handler when it became selected.
    void select(OptionButton option) { selected_ = option; }
    bool isTextVisible(TextBox box) const { return visible_.at(box); }
    bool isRodLengthLabelVisible() const { return rodLengthLabelVisible_; }

private:
    std::array<std::string, kTextBoxCount + 1> texts_;
    std::array<bool, kCheckBoxCount + 1> checks_{};
    std::array<bool, kTextBoxCount + 1> visible_;
    bool rodLengthLabelVisible_ = false;
    OptionButton selected_ = OptionButton::Option1;
};

} // namespace kvor
