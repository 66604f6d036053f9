#include "canvas_widget.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kvor::ui {

namespace {
constexpr int kFrameWidth = 1;
}

CanvasWidget::CanvasWidget(QSize size, double devicePixelRatio, QWidget* parent)
    : QFrame(parent), image_(size - QSize(2 * kFrameWidth, 2 * kFrameWidth), devicePixelRatio) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kFrameWidth);
    setFixedSize(size);
    // The image covers the whole inside: nothing needs to be painted beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::showChanges() {
    const QRect changed = image_.update(picture_);
    if (!changed.isEmpty()) update(changed.translated(contentsRect().topLeft()));
}

void CanvasWidget::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    image_.redraw();
    showChanges();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(contentsRect().topLeft(), image_.canvas().image());
}

} // namespace kvor::ui
