#pragma once

#include "canvas.h"

namespace kvor {

// A picture in three layers, shown in this order, each over the ones before:
//  - the base, which lasts until the picture is cleared: the grid and the axes, the printed
//    texts, the bodies that "Показать тела" draws and those that a run left where it ended;
//  - the track, which only grows: each screen update adds the dots of its new point;
//  - the bodies of the last screen update with their velocity vectors, drawn anew at every update.
// A body that moves is never erased by painting over it, so it leaves the grid and the tracks
// under it whole. All three are drawn in the coordinates set on the base.
class Picture {
public:
    virtual ~Picture() = default;

    virtual Canvas& base() = 0;
    virtual Canvas& track() = 0;
    // The bodies layer, emptied: what is drawn on it now replaces the bodies drawn before.
    virtual Canvas& newBodies() = 0;
    // The bodies drawn now stay where they are, as part of the base; the bodies layer is empty.
    virtual void keepBodies() = 0;
    // All three layers empty.
    virtual void clear() = 0;
};

} // namespace kvor
