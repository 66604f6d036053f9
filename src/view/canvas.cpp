#include "canvas.h"

#include "track_store.h"

namespace kvor {

void Canvas::plotTrack(const TrackStore& track, long nt) {
    for (long i = 1; i <= nt; ++i) {
        point(static_cast<float>(track.TrX1[i]), static_cast<float>(track.TrY1[i]), kBody1Colour);
        point(static_cast<float>(track.TrX2[i]), static_cast<float>(track.TrY2[i]), kBody2Colour);
    }
}

} // namespace kvor
