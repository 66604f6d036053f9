#pragma once

#include "canvas.h"
#include "core/model_numbers.h"

#include <vector>

namespace kvor {

// The corners of the rod outline in picture units: 1 and 2 at the end that is on top when the
// rod stands upright, 3 and 4 at the other; 1 and 3 on one long side, 2 and 4 on the other.
struct RodOutline {
    real SinPhi2, CosPhi2;
    real RodX1, RodY1, RodX2, RodY2, RodX3, RodY3, RodX4, RodY4;
};

// The points of the trajectory picture. Points are stored already divided by Mx, in picture
// units, so that a later change of scale does not move them. Index 0 is the start position;
// updates append 1, 2, 3, ...
struct TrackStore {
    // The run ends once more than 2220 points are stored, so index 2221 is the highest written.
    static constexpr Long kCapacity = 2222;

    std::vector<real> TrX1 = std::vector<real>(kCapacity);
    std::vector<real> TrX2 = std::vector<real>(kCapacity);
    std::vector<real> TrY1 = std::vector<real>(kCapacity);
    std::vector<real> TrY2 = std::vector<real>(kCapacity);

    // The rod outline of the current state.
    RodOutline rod;

    // Points 1 to `plotted` have their dots in the picture's track layer: the next update adds
    // the dots of the points after them. A clear of the pictures sets it to 0, so that the track
    // is plotted again whole.
    Long plotted = 0;
};

// The colours of the two bodies' tracks.
constexpr Rgb kBody1Colour{250, 0, 0};
constexpr Rgb kBody2Colour{0, 0, 250};

} // namespace kvor
