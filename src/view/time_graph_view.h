#pragma once

#include "canvas.h"
#include "core/model_record.h"

namespace kvor {

// Picture2 plots against model time, x = T/Mt from 0 to 14 units, y from -4 to 4 units.

// Which velocity curves are plotted: the check boxes beside VX1, VY1, VX2, VY2, w1 and w2.
struct GraphSelection {
    bool VX1 = false, VY1 = false, VX2 = false, VY2 = false, w1 = false, w2 = false;
};

// Sets the coordinates of the time-graph picture and draws its grid (without clearing).
void PrepareTimeGraphView(Canvas& canvas);

// One point of each curve at the current time: the selected velocity components, the two
// components of the central force and the Coulomb force, then the selected angular velocities.
// The forces are always plotted, so a zero Mt, MF or MFq is always a fault.
void PlotTimeGraphPoints(const ModelRecord& r, Canvas& canvas, const GraphSelection& selected);

} // namespace kvor
