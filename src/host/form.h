#pragma once

#include "core/number_text.h"

#include <string_view>

namespace kvor {

// The text boxes and check boxes of the main window, by their control names.
// clang-format off
enum TextBox : int {
    Text1 = 1, Text2 = 2, Text3 = 3, Text4 = 4, Text5 = 5, Text6 = 6, Text7 = 7, Text8 = 8,
    Text9 = 9, Text10 = 10, Text11 = 11, Text12 = 12, Text13 = 13, Text14 = 14, Text15 = 15, Text16 = 16,
    Text17 = 17, Text18 = 18, Text19 = 19, Text20 = 20, Text21 = 21, Text22 = 22, Text23 = 23, Text24 = 24,
    Text25 = 25, Text26 = 26, Text27 = 27, Text28 = 28, Text29 = 29, Text30 = 30, Text31 = 31, Text32 = 32,
    Text33 = 33, Text34 = 34, Text35 = 35, Text36 = 36, Text37 = 37, Text38 = 38, Text39 = 39, Text40 = 40,
    Text41 = 41, Text42 = 42, Text43 = 43, Text44 = 44, Text45 = 45, Text46 = 46, Text47 = 47, Text48 = 48,
    Text49 = 49, Text50 = 50, Text51 = 51, Text52 = 52, Text53 = 53, Text54 = 54, Text55 = 55, Text56 = 56,
    Text57 = 57, Text58 = 58, Text59 = 59, Text60 = 60, Text61 = 61, Text62 = 62, Text63 = 63, Text64 = 64,
    Text65 = 65, Text66 = 66, Text67 = 67
};
enum CheckBox : int {
    Check1 = 1, Check2 = 2, Check3 = 3, Check4 = 4, Check5 = 5, Check6 = 6, Check7 = 7,
    Check8 = 8, Check9 = 9, Check10 = 10, Check11 = 11, Check12 = 12, Check13 = 13
};
// clang-format on
constexpr int kTextBoxCount = 67;
constexpr int kCheckBoxCount = 13;

// The two option buttons of the variant frame.
enum class OptionButton { Option1, Option2 };

// What the program needs of its window: the texts of the boxes, the states of the check boxes
// and option buttons, and the visibility of the boxes that depend on the variant. The window
// implements it with widgets; the batch runner and the tests with plain values.
class Form {
public:
    virtual ~Form() = default;

    virtual std::string_view text(TextBox box) const = 0;
    virtual void setText(TextBox box, std::string_view text) = 0;
    // A number in a box, in the one number text. A form whose boxes are seen only when asked for
    // may keep the number and make its text then.
    virtual void setNumber(TextBox box, double value, char decimalSeparator) {
        setText(box, NumberText(value, decimalSeparator));
    }
    // Ticked only in the ticked state: a greyed box is not ticked.
    virtual bool isChecked(CheckBox box) const = 0;
    virtual bool isSelected(OptionButton option) const = 0;
    virtual void setTextVisible(TextBox box, bool visible) = 0;
    // Label86, the caption of the rod length, is the only label that is ever hidden.
    virtual void setRodLengthLabelVisible(bool visible) = 0;
    // Points the user at a box whose text could not be read: the window gives it the keyboard
    // focus with its text selected, ready to be typed over. Elsewhere it does nothing.
    virtual void selectText(TextBox /*box*/) {}
};

} // namespace kvor
