#pragma once

#include "drawing_list.h"
#include "picture.h"

namespace kvor {

// A picture whose layers keep what is drawn on them as calls, so that whoever shows it can draw
// each layer again at any pixel density and follow what was added since it last looked.
class RecordedPicture final : public Picture {
public:
    Canvas& base() override { return base_; }
    Canvas& track() override { return track_; }
    Canvas& newBodies() override;
    void keepBodies() override;
    void clear() override;

    const DrawingList& baseLayer() const { return base_; }
    const DrawingList& trackLayer() const { return track_; }
    const DrawingList& bodiesLayer() const { return bodies_; }

    // The dots of the track, moved as when the scale they were set at changes.
    void moveTrackPoints(const std::function<void(Dot&)>& move) { track_.movePoints(move); }
    // What the window adds over the base and under the track, such as the numbers of the axes in
    // the quantities' units, in the base's coordinates. A clear of the picture leaves it.
    DrawingList& axes() { return axes_; }
    const DrawingList& axesLayer() const { return axes_; }

private:
    DrawingList base_, track_, bodies_, axes_;
};

} // namespace kvor
