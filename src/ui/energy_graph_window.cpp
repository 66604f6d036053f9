#include "energy_graph_window.h"

#include "control/energy_points.h"

#include <QPainter>

namespace kvor::ui {

EnergyGraphWindow::EnergyGraphWindow(const DataSeries& series, double devicePixelRatio, QWidget* owner)
    : QWidget(owner, Qt::Window), series_(series), devicePixelRatio_(devicePixelRatio) {
    setObjectName(QStringLiteral("EnergyGraph"));
    setWindowTitle(QStringLiteral("График энергий"));
    zoomTo(1);
}

void EnergyGraphWindow::zoomTo(double factor) {
    canvas_.emplace(QSize(kEnergyGraphSize.width, kEnergyGraphSize.height), devicePixelRatio_ * factor);
    setFixedSize((QSizeF(canvas_->image().size()) / devicePixelRatio_).toSize());
    draw();
}

void EnergyGraphWindow::showChanges() {
    if (series_.generation() != generation_) {
        // A new experiment: its rows from the first.
        generation_ = series_.generation();
        first_ = 0;
    } else if (series_.size() == shownRows_) {
        return;
    }
    draw();
}

void EnergyGraphWindow::clearGraph() {
    generation_ = series_.generation();
    first_ = series_.size();
    draw();
}

void EnergyGraphWindow::draw() {
    DrawEnergyGraph(EnergyPointsOf(series_, first_), *canvas_);
    shownRows_ = series_.size();
    update();
}

void EnergyGraphWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(canvas_->image().size()) / devicePixelRatio_),
                      canvas_->image());
}

} // namespace kvor::ui
