#include "display_angles.h"

#include "math_functions.h"

#include <cmath>

namespace kvor {

double VelocityAngleDegrees(double vx, double vy) {
    if (vx == 0) return 0;
    return Fix(std::atan(std::abs(vy / vx)) * 1000 * 180 / 3.14159) / 1000;
}

double AngleDegrees(double radians) {
    return Fix(radians * 1000 * 180 / 3.14159) / 1000;
}

void UpdateDisplayAngles(ModelRecord& r) {
    r.Ugol1 = 0;
    r.Ugol2 = 0;
    r.Ugol1 = VelocityAngleDegrees(r.VX1, r.VY1);
    r.Ugol2 = VelocityAngleDegrees(r.VX2, r.VY2);
    r.AlfaDeg = AngleDegrees(r.Alfa);
}

} // namespace kvor
