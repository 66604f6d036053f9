#pragma once

// A form of plain values that also keeps a log of every text written into it, in order, so that
// a test can tell which command wrote what and in which order.

#include "batch/batch_form.h"

#include <string>
#include <utility>
#include <vector>

namespace kvor::test {

class RecordingForm final : public Form {
public:
    std::string_view text(TextBox box) const override { return form.text(box); }
    void setText(TextBox box, std::string_view text) override {
        writes.emplace_back(box, std::string(text));
        form.setText(box, text);
    }
    bool isChecked(CheckBox box) const override { return form.isChecked(box); }
    bool isSelected(OptionButton option) const override { return form.isSelected(option); }
    void setTextVisible(TextBox box, bool visible) override { form.setTextVisible(box, visible); }
    void setRodLengthLabelVisible(bool visible) override { form.setRodLengthLabelVisible(visible); }

    // The boxes in the order they were written.
    std::vector<TextBox> boxesWritten() const {
        std::vector<TextBox> boxes;
        for (const auto& w : writes) boxes.push_back(w.first);
        return boxes;
    }

    BatchForm form;
    std::vector<std::pair<TextBox, std::string>> writes;
};

} // namespace kvor::test
