#pragma once

#include "canvas.h"
#include "recorded_picture.h"
#include "time_graph_view.h"
#include "track_store.h"

#include <optional>

namespace kvor {

// The axes of both pictures numbered in the quantities' own units instead of centimetres of
// drawing: metres from Mx on the trajectory picture; seconds from Mt, and m/s, N and N from Mv, MF
// and MFq, on the time graph, which also gets a legend of its curves. The numbers stand just
// inside the pictures, whose edges touch other controls of the form.

// The scales as the boxes give them, per centimetre; one that is not a positive number has none,
// and its numbers are left out.
struct AxisScales {
    std::optional<double> Mx, Mv, Mt, MF, MFq;
    friend bool operator==(const AxisScales&, const AxisScales&) = default;
};

// In the trajectory picture's coordinates: every second grid line numbered in metres, x along
// the bottom edge and y along the left one, with the unit in the top left corner.
void DrawTrajectoryAxisNumbers(Canvas& canvas, const AxisScales& scales, char decimalSeparator);

// In the time graph's coordinates: the vertical lines in seconds along the bottom edge; the
// horizontal ones in a column for each kind of curve plotted (velocities, the force, the Coulomb
// force), headed by its quantity and unit; and in the top right corner, the colour and the name
// of every curve plotted.
void DrawTimeGraphAxisNumbers(Canvas& canvas, const AxisScales& scales, const GraphSelection& shown,
                              char decimalSeparator);

// A scale that changes from `before` to `after` moves what is drawn at it, so that it agrees
// with the axes again: the whole track for Mx (the stored points too), the time graph's points in
// x for Mt and in y for the curves divided by `scale` otherwise.
void MoveTrackToScale(TrackStore& track, RecordedPicture& picture, double before, double after);
void MoveTimeGraphToScale(RecordedPicture& picture, real ModelRecord::*scale, double before, double after);

} // namespace kvor
