#include "recorded_picture.h"

namespace kvor {

Canvas& RecordedPicture::newBodies() {
    bodies_.clear();
    return bodies_;
}

void RecordedPicture::keepBodies() {
    if (bodies_.empty()) return;
    base_.append(bodies_);
    bodies_.clear();
}

void RecordedPicture::clear() {
    base_.clear();
    track_.clear();
    bodies_.clear();
}

} // namespace kvor
