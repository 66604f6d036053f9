#include "energy_graph_window.h"

#include "control/energy_points.h"

#include <QPainter>

namespace kvor::ui {

EnergyGraphWindow::EnergyGraphWindow(const DataSeries& series, double devicePixelRatio, QWidget* owner)
    : QWidget(owner, Qt::Window), series_(series),
      canvas_(QSize(kEnergyGraphSize.width, kEnergyGraphSize.height), devicePixelRatio) {
    setObjectName(QStringLiteral("EnergyGraph"));
    setWindowTitle(QStringLiteral("График энергий"));
    setFixedSize(kEnergyGraphSize.width, kEnergyGraphSize.height);
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
    DrawEnergyGraph(EnergyPointsOf(series_, first_), canvas_);
    shownRows_ = series_.size();
    update();
}

void EnergyGraphWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), canvas_.image());
}

} // namespace kvor::ui
