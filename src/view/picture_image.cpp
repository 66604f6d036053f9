#include "picture_image.h"

namespace kvor {

PictureImage::PictureImage(QSize logicalSize, double devicePixelRatio)
    : lasting_(logicalSize, devicePixelRatio), shown_(logicalSize, devicePixelRatio) {}

void PictureImage::drawLastingLayers(const RecordedPicture& picture) {
    lasting_.clear();
    picture.baseLayer().replay(lasting_);
    picture.axesLayer().replay(lasting_);
    picture.trackLayer().replay(lasting_);
    baseRevision_ = picture.baseLayer().revision();
    axesRevision_ = picture.axesLayer().revision();
    trackRewrites_ = picture.trackLayer().rewrites();
    trackDrawn_ = picture.trackLayer().size();
    lasting_.takeChangedArea();
    shown_.copyArea(lasting_, QRect(QPoint(0, 0), lasting_.logicalSize()));
    picture.baseLayer().applyScale(shown_);
}

QRect PictureImage::update(const RecordedPicture& picture) {
    const DrawingList& track = picture.trackLayer();
    const DrawingList& bodies = picture.bodiesLayer();
    const bool baseChanged = !drawn_ || picture.baseLayer().revision() != baseRevision_ ||
                             picture.axesLayer().revision() != axesRevision_ ||
                             track.rewrites() != trackRewrites_ || track.size() < trackDrawn_;
    const bool trackGrew = track.size() > trackDrawn_;
    if (!baseChanged && !trackGrew && bodies.revision() == bodiesRevision_) return {};

    if (baseChanged) {
        drawLastingLayers(picture);
        drawn_ = true;
    } else {
        // The bodies go from where they were; the new dots are set in both images alike, since
        // the two are the same everywhere else.
        shown_.copyArea(lasting_, bodiesArea_);
        track.replay(lasting_, trackDrawn_);
        track.replay(shown_, trackDrawn_);
        trackDrawn_ = track.size();
        lasting_.takeChangedArea();
    }
    const QRect changed = shown_.takeChangedArea();
    bodies.replay(shown_);
    bodiesRevision_ = bodies.revision();
    bodiesArea_ = shown_.takeChangedArea();
    return changed | bodiesArea_;
}

} // namespace kvor
