#pragma once

#include "canvas.h"

#include <span>
#include <string_view>

namespace kvor {

// A coordinate for a picture. Pictures place things in single precision; a value beyond its
// range cannot be drawn and is an ArithmeticFault (values merely off the picture are fine: the
// surface clips them).
float ToSingle(double value);

// Draws on a canvas from double-precision user coordinates, checked as ToSingle does. Before each
// call into the surface it checks the floating-point flags of the arithmetic that produced the
// coordinates, and afterwards it forgets whatever flags the surface's own code may have raised.
class Pen {
public:
    explicit Pen(Canvas& canvas) : canvas_(canvas) {}

    void line(double x1, double y1, double x2, double y2, Rgb colour);
    void circle(double x, double y, double radius, Rgb colour);
    void point(double x, double y, Rgb colour);
    void print(double x, double y, std::string_view text);
    // Dots whose coordinates were checked when they were made.
    void dots(std::span<const Dot> run);

private:
    Canvas& canvas_;
};

} // namespace kvor
