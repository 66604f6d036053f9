#pragma once

namespace kvor::fp {

// The floating-point status flags of the processor catch what a check of the stored values
// cannot: an intermediate result that overflowed and then vanished again, such as atan(1/0) or
// x/inf. The run loop clears them when a stretch of its work begins and checks them when it
// ends, before any call into the window, whose own arithmetic is none of our business.

// Forgets an overflow, division by zero or invalid operation raised so far.
void clearFaults() noexcept;

// Throws ArithmeticFault when an overflow, a division by zero or an invalid operation has been
// raised since the last clearFaults(). Underflow and inexact results are not faults.
void checkFaults();

} // namespace kvor::fp
