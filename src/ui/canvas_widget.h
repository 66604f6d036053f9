#pragma once

#include "view/image_canvas.h"

#include <QFrame>

namespace kvor::ui {

// One of the window's two pictures: a thin frame around an ImageCanvas. The image is the
// picture; painting only copies the changed part of it to the screen, so what is drawn stays
// when the window is covered and uncovered.
class CanvasWidget final : public QFrame {
public:
    // `size` is the whole control, frame included; the image fills the inside.
    CanvasWidget(QSize size, double devicePixelRatio, QWidget* parent);

    ImageCanvas& canvas() { return canvas_; }
    const ImageCanvas& canvas() const { return canvas_; }

    // Schedules a repaint of what was drawn since the last call.
    void showChanges();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageCanvas canvas_;
};

} // namespace kvor::ui
