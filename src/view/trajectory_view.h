#pragma once

#include "canvas.h"
#include "core/model_record.h"
#include "track_store.h"

namespace kvor {

// Picture1 shows the plane of motion from -5 to 5 units both ways, one unit standing for one
// centimetre of the scales: positions are divided by Mx, velocities by Mv.

// Sets the coordinates of the trajectory picture and draws its grid and axes (without clearing).
void PrepareTrajectoryView(Canvas& canvas);

// Stores the current positions as point 0, the start of a new track. The velocities with which
// the vectors there count as drawn are the caller's: a start stores its own, a reversal keeps
// those of the last update.
void StoreStartPoint(const ModelRecord& r, TrackStore& track);

// The current velocities as those with which the vectors at the newest point count as drawn: the
// next update erases the vectors drawn with them.
void StoreDrawnVelocities(const ModelRecord& r, TrackStore& track);

// One update of the picture during a run: appends a track point, erases the vectors and bodies
// of the last update by drawing them again in the erase colour, re-plots the track and draws
// the vectors and bodies of the current state. It changes NT and the track store, never a
// quantity of the integration. The option buttons are those selected now.
void ScreenUpdate(ModelRecord& r, TrackStore& track, Canvas& canvas, bool option1Selected,
                  bool option2Selected);

// The colour that erases: five steps off white, so that faint traces remain.
constexpr Rgb kEraseColour{250, 250, 250};

} // namespace kvor
