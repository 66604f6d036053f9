#pragma once

#include "canvas.h"
#include "core/model_record.h"
#include "picture.h"
#include "track_store.h"

namespace kvor {

// Picture1 shows the plane of motion from -5 to 5 units both ways, one unit standing for one
// centimetre of the scales: positions are divided by Mx, velocities by Mv.

// Sets the coordinates of the trajectory picture and draws its grid and axes (without clearing).
void PrepareTrajectoryView(Canvas& canvas);

// Stores the current positions as point 0, the start of a new track; the dots of the old one stay
// in the picture.
void StoreStartPoint(const ModelRecord& r, TrackStore& track);

// One update of the picture during a run: appends a track point, adds its dots to the track
// layer (after a clear, the dots of the whole stored track) and draws the vectors and bodies of
// the current state anew in the bodies layer. It changes NT and the track store, never a quantity
// of the integration. The option buttons are those selected now.
void ScreenUpdate(ModelRecord& r, TrackStore& track, Picture& picture, bool option1Selected,
                  bool option2Selected);

} // namespace kvor
