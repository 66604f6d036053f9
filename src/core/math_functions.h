#pragma once

#include <cmath>

namespace kvor {

// The three-valued sign: -1, 0 or +1, with Sgn(0) = 0.
constexpr double Sgn(double x) noexcept {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// Truncation toward zero.
inline double Fix(double x) noexcept {
    return std::trunc(x);
}

} // namespace kvor
