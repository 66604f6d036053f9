#pragma once

#include <cmath>

namespace kvor::test {

// Restitution of a mass m on a spring C and dashpot Kj whose force, clamped at zero, vanishes.
inline double ClosedFormRestitution(double m, double C, double Kj) {
    const double w0s = C / m, b = Kj / (2 * m);
    if (b * b == w0s) return std::exp(-2.0);
    if (b * b < w0s) {
        const double w = std::sqrt(w0s - b * b), tc = (M_PI - std::atan2(2 * b * w, w * w - b * b)) / w;
        return -std::exp(-b * tc) * (std::cos(w * tc) - b / w * std::sin(w * tc));
    }
    const double W = std::sqrt(b * b - w0s), tc = std::atanh(2 * b * W / (2 * b * b - w0s)) / W;
    return -std::exp(-b * tc) * (std::cosh(W * tc) - b / W * std::sinh(W * tc));
}

} // namespace kvor::test
