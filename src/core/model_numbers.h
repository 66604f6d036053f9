#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kvor {

// An error of the model's numbers. It carries nothing but the fact: whoever catches it knows
// from where it was thrown which message the user has to see.
struct ModelError {};

// A floating-point overflow, a division by zero, an invalid operation (the square root of a
// negative number, 0/0), a counter run past its width, or a coordinate too large to be drawn.
struct ArithmeticFault : ModelError {};

// A text that is not a number, or one whose value does not fit where it has to go.
struct ConversionError : ModelError {};

[[noreturn]] void raiseArithmeticFault();

// A quantity of the model. Every value stored into it is checked: an infinity or a NaN can only
// come from arithmetic that overflowed, divided by zero or was invalid, so such a store is
// refused with an ArithmeticFault and the field keeps what was computed before the fault.
class real {
public:
    constexpr real() noexcept = default;
    real(double v) : value_(checked(v)) {}
    real& operator=(double v) {
        value_ = checked(v);
        return *this;
    }
    constexpr operator double() const noexcept { return value_; }

private:
    static double checked(double v) {
        if (!std::isfinite(v)) [[unlikely]]
            raiseArithmeticFault();
        return v;
    }
    double value_ = 0.0;
};

// The two counter widths of the model: "Integer" (16-bit) and "Long" (32-bit), both signed.
// A count past its range is an error, never a wrap-around.
using Integer = std::int16_t;
using Long = std::int32_t;

// A count that cannot go on starts again from 0 after its error: left at its largest value it
// would refuse every later step as well, and since the steps since the last data record are
// counted across runs, the program could not run again.
template <typename Counter> void Increment(Counter& n) {
    if (n == std::numeric_limits<Counter>::max()) [[unlikely]] {
        n = 0;
        raiseArithmeticFault();
    }
    n = static_cast<Counter>(n + 1);
}

} // namespace kvor
