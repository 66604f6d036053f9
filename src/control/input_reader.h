#pragma once

#include "core/model_record.h"
#include "host/form.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// A scientific input pair: the mantissa text times 10 to the power of the row's exponent,
// 10^e computed by the power function. An exponent of -400 gives 0; one that overflows is an
// ArithmeticFault, a mantissa that is not a number a ConversionError.
double ScaledValue(std::string_view mantissa, Integer exponent);

// A value that breaks its box's rule (a mass of 0, a negative friction, ...).
struct BrokenRule : ModelError {
    TextBox box;
};

// Reads every input box of an experiment into the record, in a fixed order, each value stored
// before the next box is read: the nine exponents, body 1 with the plain values, body 2, the
// rod angle. NC0 and NC0file below 1 become 1. Each value is held to its box's rule as it is read,
// where the selected variant uses the box. The first box that cannot be read ends the reading
// with its ConversionError or ArithmeticFault, the first value that breaks its rule with a
// BrokenRule; what was stored before it stays. `reading`, when given, follows the box being read,
// so that after a failure it names the box at fault.
void ReadExperimentInputs(ModelRecord& r, const Form& form, TextBox* reading = nullptr);

// What the user is told of a box that Start or Show bodies could not take: its name, and the rule
// it breaks or why its text is no value ("m10: масса должна быть больше 0", "VX1: не число").
std::string RefusedBoxText(TextBox box, const Form& form, bool ruleBroken);

// The subset that Show bodies reads: diameters, velocities, positions, rod length, the
// coordinate and velocity scales, the free radii and the rod angle.
void ReadBodyGeometry(ModelRecord& r, const Form& form, TextBox* reading = nullptr);

// The boxes the user types into: the input grid, the step, the scales (MFq among them), the rod
// angle, NC0 and NC0file. Every other box only shows what the program writes.
bool IsInputBox(TextBox box);

// The five scale boxes, which the run loop reads before every step.
bool IsScaleBox(TextBox box);

// The five drawing scales, read by the run loop before every step: Mx, MF, MFq, Mt, Mv. A text is
// converted again only when it has changed; one that is not a number stays an error.
class ScaleReader {
public:
    void ReadScales(ModelRecord& r, const Form& form);

private:
    struct Scale {
        std::string text;
        std::optional<double> value;
        bool known = false;
    };
    void read(Scale& scale, std::string_view text);
    static double value(const Scale& scale);
    std::array<Scale, 5> scales_;
};

} // namespace kvor
