#include "body_drawing.h"

#include <cmath>

namespace kvor {

void ComputeRodOutline(const ModelRecord& r, RodOutline& rod) {
    // Axis direction (-sin phi2, cos phi2), across it (cos phi2, sin phi2).
    rod.SinPhi2 = std::sin(r.phi2);
    rod.CosPhi2 = std::cos(r.phi2);
    const double S = rod.SinPhi2, C = rod.CosPhi2;
    rod.RodX1 = (r.X2 - r.L2 * S / 2 - r.R20 * C) / r.Mx;
    rod.RodY1 = (r.Y2 + r.L2 * C / 2 - r.R20 * S) / r.Mx;
    rod.RodX2 = (r.X2 - r.L2 * S / 2 + r.R20 * C) / r.Mx;
    rod.RodY2 = (r.Y2 + r.L2 * C / 2 + r.R20 * S) / r.Mx;
    rod.RodX3 = (r.X2 + r.L2 * S / 2 - r.R20 * C) / r.Mx;
    rod.RodY3 = (r.Y2 - r.L2 * C / 2 - r.R20 * S) / r.Mx;
    rod.RodX4 = (r.X2 + r.L2 * S / 2 + r.R20 * C) / r.Mx;
    rod.RodY4 = (r.Y2 - r.L2 * C / 2 + r.R20 * S) / r.Mx;
}

void DrawRodOutline(Pen& pen, const RodOutline& rod, Rgb colour) {
    pen.line(rod.RodX1, rod.RodY1, rod.RodX3, rod.RodY3, colour);
    pen.line(rod.RodX2, rod.RodY2, rod.RodX4, rod.RodY4, colour);
    pen.line(rod.RodX1, rod.RodY1, rod.RodX2, rod.RodY2, colour);
    pen.line(rod.RodX3, rod.RodY3, rod.RodX4, rod.RodY4, colour);
}

void DrawBodies(const ModelRecord& r, RodOutline& rod, Pen& pen, bool option1Selected, bool option2Selected) {
    if (!option1Selected) ComputeRodOutline(r, rod);
    pen.line(r.X1 / r.Mx, r.Y1 / r.Mx, r.X1 / r.Mx + r.VX1 / r.Mv, r.Y1 / r.Mx + r.VY1 / r.Mv, kBody1Colour);
    pen.line(r.X2 / r.Mx, r.Y2 / r.Mx, r.X2 / r.Mx + r.VX2 / r.Mv, r.Y2 / r.Mx + r.VY2 / r.Mv, kBody2Colour);
    pen.circle(r.X1 / r.Mx, r.Y1 / r.Mx, r.R10 / r.Mx, kBody1Colour);
    if (option2Selected)
        DrawRodOutline(pen, rod, kBody2Colour);
    else
        pen.circle(r.X2 / r.Mx, r.Y2 / r.Mx, r.R20 / r.Mx, kBody2Colour);
}

} // namespace kvor
