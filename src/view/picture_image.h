#pragma once

#include "image_canvas.h"
#include "recorded_picture.h"

#include <QRect>
#include <QSize>

#include <cstddef>
#include <cstdint>

namespace kvor {

// A recorded picture drawn in an image, as the window shows it and the PNG files hold it: the
// base, the axes and the track kept in one image, which grows with the track, and the bodies drawn
// over a copy of it. Bringing it up to date costs what was added since the last time: the new
// dots, the bodies where they were and where they are. Only a change of the base (a clear, a text,
// bodies left on it) or of the axes, or dots of the track moved, draws the lasting layers again
// from their calls.
class PictureImage {
public:
    PictureImage(QSize logicalSize, double devicePixelRatio);

    // Brings the image up to date with `picture`; returns the part that changed, in logical
    // pixels.
    QRect update(const RecordedPicture& picture);

    // Makes the next update draw the whole picture again from its layers, as after a change of the
    // base: its texts in the language installed now.
    void redraw() { drawn_ = false; }

    // The picture as last brought up to date: all three layers.
    const ImageCanvas& canvas() const { return shown_; }

private:
    void drawLastingLayers(const RecordedPicture& picture);

    ImageCanvas lasting_; // the base with the track over it
    ImageCanvas shown_;   // the lasting layers with the bodies over them
    std::uint64_t baseRevision_ = 0, bodiesRevision_ = 0, axesRevision_ = 0, trackRewrites_ = 0;
    std::size_t trackDrawn_ = 0; // the calls of the track layer in lasting_
    bool drawn_ = false;
    QRect bodiesArea_; // where the bodies in shown_ differ from lasting_
};

} // namespace kvor
