#include "pen.h"

#include "core/fp_exceptions.h"
#include "core/model_numbers.h"

#include <cmath>
#include <limits>

namespace kvor {

float ToSingle(double value) {
    if (!(std::abs(value) <= std::numeric_limits<float>::max())) raiseArithmeticFault();
    return static_cast<float>(value);
}

void Pen::line(double x1, double y1, double x2, double y2, Rgb colour) {
    const float a = ToSingle(x1), b = ToSingle(y1), c = ToSingle(x2), d = ToSingle(y2);
    fp::Outside([&] { canvas_.line(a, b, c, d, colour); });
}

void Pen::circle(double x, double y, double radius, Rgb colour) {
    const float a = ToSingle(x), b = ToSingle(y), r = ToSingle(radius);
    fp::Outside([&] { canvas_.circle(a, b, r, colour); });
}

void Pen::point(double x, double y, Rgb colour) {
    const float a = ToSingle(x), b = ToSingle(y);
    fp::Outside([&] { canvas_.point(a, b, colour); });
}

void Pen::print(double x, double y, std::string_view text) {
    const float a = ToSingle(x), b = ToSingle(y);
    fp::Outside([&] { canvas_.print(a, b, text); });
}

void Pen::dots(std::span<const Dot> run) {
    fp::Outside([&] { canvas_.dots(run); });
}

} // namespace kvor
