#include "canvas_widget.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kvor::ui {

namespace {
constexpr int kFrameWidth = 1;
}

CanvasWidget::CanvasWidget(QSize size, double devicePixelRatio, QWidget* parent)
    : QFrame(parent), logicalSize_(size - QSize(2 * kFrameWidth, 2 * kFrameWidth)),
      devicePixelRatio_(devicePixelRatio) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kFrameWidth);
    // The image covers the whole inside: nothing needs to be painted beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    zoomTo(1);
}

// The image has the picture's 100 % size in its own logical pixels and the zoom in its pixel
// density; on the screen each of its pixels is one of the screen's.
void CanvasWidget::zoomTo(double factor) {
    zoom_ = factor;
    image_.emplace(logicalSize_, devicePixelRatio_ * factor);
    const QSizeF shown = QSizeF(image_->canvas().image().size()) / devicePixelRatio_;
    setFixedSize(shown.toSize() + QSize(2 * kFrameWidth, 2 * kFrameWidth));
    showChanges();
    update();
}

void CanvasWidget::showChanges() {
    const QRect changed = image_->update(picture_);
    if (changed.isEmpty()) return;
    const QRectF zoomed(QPointF(changed.topLeft()) * zoom_, QSizeF(changed.size()) * zoom_);
    update(zoomed.toAlignedRect().adjusted(-1, -1, 1, 1).translated(contentsRect().topLeft()));
}

void CanvasWidget::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    image_->redraw();
    showChanges();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const QImage& image = image_->canvas().image();
    painter.drawImage(QRectF(contentsRect().topLeft(), QSizeF(image.size()) / devicePixelRatio_), image);
}

} // namespace kvor::ui
