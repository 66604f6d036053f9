#pragma once

#include "view/picture_image.h"
#include "view/recorded_picture.h"
#include "window_zoom.h"

#include <QFrame>

#include <optional>

namespace kvor::ui {

// One of the window's two pictures: a thin frame around the image of a picture in layers. The
// engine draws into the layers; showChanges brings the image up to date with them, and painting
// only copies the changed part of the image to the screen, so what is drawn stays when the window
// is covered and uncovered. At a zoom the image is drawn again from the layers at the zoomed pixel
// size, in the same coordinates, so that a line stays one zoomed pixel thick.
class CanvasWidget final : public QFrame, public ZoomFollower {
public:
    // `size` is the whole control at 100 %, frame included; the image fills the inside.
    CanvasWidget(QSize size, double devicePixelRatio, QWidget* parent);

    Picture& picture() { return picture_; }
    RecordedPicture& recordedPicture() { return picture_; }
    // The picture as last shown: the image that is saved and copied.
    const ImageCanvas& canvas() const { return image_->canvas(); }

    // Brings the image up to date with the layers and schedules a repaint of what changed.
    void showChanges();

    void zoomTo(double factor) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A change of language draws the picture again from its layers, with its texts translated.
    void changeEvent(QEvent* event) override;

private:
    RecordedPicture picture_;
    QSize logicalSize_; // of the image at 100 %
    double devicePixelRatio_;
    double zoom_ = 1;
    std::optional<PictureImage> image_;
};

} // namespace kvor::ui
