#pragma once

#include <type_traits>

namespace kvor::fp {

// The floating-point status flags of the processor catch what a check of the stored values
// cannot: an intermediate result that overflowed and then vanished again, such as atan(1/0) or
// x/inf. The model's arithmetic is checked by them in pieces: a piece begins with the flags
// cleared and ends with them checked, and a call out of the model (into a picture, a box, a
// message box, the window's event processing) is never part of a piece, since the window's own
// arithmetic is none of our business. Checked() and Outside() are the two ends of that rule.

// Forgets an overflow, division by zero or invalid operation raised so far.
void clearFaults() noexcept;

// Throws ArithmeticFault when an overflow, a division by zero or an invalid operation has been
// raised since the last clearFaults(). Underflow and inexact results are not faults.
void checkFaults();

// The same question without the throw.
bool faultRaised() noexcept;

// A piece of the model's arithmetic: `work` runs with fresh flags, and a fault it raised is an
// ArithmeticFault when it is done.
template <typename Work> void Checked(Work&& work) {
    clearFaults();
    work();
    checkFaults();
}

// A call out of the model: the flags of the model's arithmetic before it are checked first, so
// that a fault is reported in the stretch where it arose, and what the call raises is forgotten.
template <typename Call> decltype(auto) Outside(Call&& call) {
    checkFaults();
    if constexpr (std::is_void_v<std::invoke_result_t<Call&>>) {
        call();
        clearFaults();
    } else {
        decltype(auto) result = call();
        clearFaults();
        return result;
    }
}

} // namespace kvor::fp
