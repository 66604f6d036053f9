#pragma once

#include "core/model_record.h"
#include "pen.h"
#include "track_store.h"

namespace kvor {

// The corners of the rod of length L2 and width 2*R20 centred at (X2, Y2), whose axis makes the
// angle phi2 with the vertical (counter-clockwise positive), in picture units.
void ComputeRodOutline(const ModelRecord& r, RodOutline& rod);

// The four sides of the outline, 1-3, 2-4, 1-2, 3-4, in `colour`.
void DrawRodOutline(Pen& pen, const RodOutline& rod, Rgb colour);

// What Show bodies draws at the start position: both velocity vectors in the bodies' colours,
// ball 1, and ball 2 or the rod outline, with the free radii and the current scales.
void DrawBodies(const ModelRecord& r, RodOutline& rod, Pen& pen, bool option1Selected, bool option2Selected);

} // namespace kvor
