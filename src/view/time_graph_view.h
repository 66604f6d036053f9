#pragma once

#include "canvas.h"
#include "core/model_record.h"

namespace kvor {

// Picture2 plots against model time, x = T/Mt from 0 to 14 units, y from -4 to 4 units.

// Which velocity curves are plotted: the check boxes beside VX1, VY1, VX2, VY2, w1 and w2.
struct GraphSelection {
    bool VX1 = false, VY1 = false, VX2 = false, VY2 = false, w1 = false, w2 = false;
    friend bool operator==(const GraphSelection&, const GraphSelection&) = default;
};

// The curves in the order their points are plotted: the quantity, the scale it is divided by, its
// colour and the check box that shows it (none: always plotted).
struct GraphCurve {
    const char* name;
    real ModelRecord::*quantity;
    real ModelRecord::*scale;
    Rgb colour;
    bool GraphSelection::*shown;
};
inline constexpr GraphCurve kGraphCurves[] = {
    {"VX1", &ModelRecord::VX1, &ModelRecord::Mv, {255, 0, 0}, &GraphSelection::VX1},
    {"VY1", &ModelRecord::VY1, &ModelRecord::Mv, {220, 0, 0}, &GraphSelection::VY1},
    {"VX2", &ModelRecord::VX2, &ModelRecord::Mv, {0, 0, 255}, &GraphSelection::VX2},
    {"VY2", &ModelRecord::VY2, &ModelRecord::Mv, {0, 0, 220}, &GraphSelection::VY2},
    {"FX", &ModelRecord::FX, &ModelRecord::MF, {0, 170, 0}, nullptr},
    {"FY", &ModelRecord::FY, &ModelRecord::MF, {0, 255, 0}, nullptr},
    {"Fq", &ModelRecord::Fq, &ModelRecord::MFq, {0, 200, 200}, nullptr},
    {"w1", &ModelRecord::w1, &ModelRecord::Mv, {250, 0, 0}, &GraphSelection::w1},
    {"w2", &ModelRecord::w2, &ModelRecord::Mv, {0, 0, 250}, &GraphSelection::w2},
};

inline bool IsPlotted(const GraphCurve& curve, const GraphSelection& selected) {
    return !curve.shown || selected.*curve.shown;
}

// Sets the coordinates of the time-graph picture and draws its grid (without clearing).
void PrepareTimeGraphView(Canvas& canvas);

// One point of each curve at the current time: the selected velocity components, the two
// components of the central force and the Coulomb force, then the selected angular velocities.
// The forces are always plotted, so a zero Mt, MF or MFq is always a fault.
void PlotTimeGraphPoints(const ModelRecord& r, Canvas& canvas, const GraphSelection& selected);

} // namespace kvor
