#include "input_reader.h"

#include "core/number_text.h"
#include "host/box_table.h"
#include "messages.h"

#include <cmath>
#include <span>

namespace kvor {

double ScaledValue(std::string_view mantissa, Integer exponent) {
    const real m = TextToDouble(mantissa);
    const real p = std::pow(10.0, static_cast<double>(exponent));
    return real(p * m);
}

namespace {

// The text of a box, noting which box it is for the caller who has to point at it.
class BoxTexts {
public:
    BoxTexts(const Form& form, TextBox* reading) : form_(form), reading_(reading) {}
    std::string_view operator()(TextBox box) const {
        if (reading_) *reading_ = box;
        return form_.text(box);
    }

private:
    const Form& form_;
    TextBox* reading_;
};

void checkRule(const BoxRow& row, double value) {
    const bool kept = row.rule == Rule::Positive ? value > 0 : value >= 0;
    if (!kept) throw BrokenRule{{}, row.box};
}

// One input box into its quantity, as its row says. A scaled value takes the exponent that its
// row's exponent box gave when it was read, earlier in the same reading. With `rules`, a value is
// held to its box's rule at once, where the variant uses the box.
void readBox(ModelRecord& r, const Form& form, const BoxTexts& text, TextBox box, bool rules) {
    const BoxRow& row = RowOf(box);
    switch (row.reading) {
    case Reading::None:
        break;
    case Reading::Exponent:
        r.*row.count = TextToInteger(text(box));
        break;
    case Reading::Scaled:
        r.*row.field = ScaledValue(text(box), r.*RowOf(row.exponent).count);
        break;
    case Reading::Plain:
        r.*row.field = TextToDouble(text(box));
        break;
    case Reading::Count:
        // At least one step between screen updates and between data records; never reported.
        r.*row.count = TextToInteger(text(box));
        if (r.*row.count < 1) r.*row.count = 1;
        break;
    case Reading::Degrees:
        // The initial rotation of body 2, typed in degrees, used only when its check box is ticked.
        r.*row.field = 0;
        if (form.isChecked(*row.onlyWhen)) r.*row.field = TextToDouble(text(box)) * 3.14 / 180;
        break;
    }
    if (rules && row.rule != Rule::None && UsedBy(row.uses, form.isSelected(OptionButton::Option2)))
        checkRule(row, r.*row.field);
}

void readBoxes(ModelRecord& r, const Form& form, TextBox* reading, std::span<const TextBox> order,
               bool rules = false) {
    const BoxTexts text(form, reading);
    for (const TextBox box : order) readBox(r, form, text, box, rules);
}

} // namespace

bool IsScaleBox(TextBox box) {
    return HasRole(box, kScaleBox);
}

bool IsInputBox(TextBox box) {
    return HasRole(box, kInputBox);
}

void ReadExperimentInputs(ModelRecord& r, const Form& form, TextBox* reading) {
    readBoxes(r, form, reading, box_table::kStartReadingOrder, true);
}

std::string RefusedBoxText(TextBox box, const Form& form, bool ruleBroken) {
    const BoxRow& row = RowOf(box);
    std::string text(row.names[0]);
    text += ": ";
    if (ruleBroken)
        text += row.ruleText;
    else
        text += ParseNumber(form.text(box)) ? messages::kTooLarge : messages::kNotANumber;
    return text;
}

void ReadBodyGeometry(ModelRecord& r, const Form& form, TextBox* reading) {
    readBoxes(r, form, reading, box_table::kGeometryReadingOrder);
    r.R20 = r.D2 / 2;
    r.R10 = r.D1 / 2;
    constexpr TextBox kRodAngle[] = {Text64};
    readBoxes(r, form, reading, kRodAngle);
}

void ScaleReader::read(Scale& scale, std::string_view text) {
    if (!scale.known || scale.text != text) {
        scale.text.assign(text);
        scale.value = ParseNumber(text);
        scale.known = true;
    }
}

double ScaleReader::value(const Scale& scale) {
    if (!scale.value) throw ConversionError{};
    return *scale.value;
}

void ScaleReader::ReadScales(ModelRecord& r, const Form& form) {
    constexpr auto& order = box_table::kScaleReadingOrder;
    for (std::size_t i = 0; i < scales_.size(); ++i) read(scales_[i], form.text(order[i]));
    for (std::size_t i = 0; i < scales_.size(); ++i) r.*RowOf(order[i]).field = value(scales_[i]);
}

} // namespace kvor
