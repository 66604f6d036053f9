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

private:
    DrawingList base_, track_, bodies_;
};

} // namespace kvor
