#include "energy_graph_window.h"

#include "control/energy_points.h"
#include "core/interface_text.h"
#include "view/translated_text.h"

#include <QEvent>
#include <QPainter>

namespace kvor::ui {

EnergyGraphWindow::EnergyGraphWindow(const DataSeries& series, double devicePixelRatio, QWidget* owner)
    : QWidget(owner, Qt::Window), series_(series), devicePixelRatio_(devicePixelRatio) {
    setObjectName(QStringLiteral("EnergyGraph"));
    zoomTo(1);
    retranslate();
}

// The caption and the texts of the graph in the language installed now.
void EnergyGraphWindow::retranslate() {
    setWindowTitle(Translated(Tr("Kvor3m", "График энергий")));
    draw();
}

void EnergyGraphWindow::zoomTo(double factor) {
    canvas_.emplace(QSize(kEnergyGraphSize.width, kEnergyGraphSize.height), devicePixelRatio_ * factor);
    setFixedSize((QSizeF(canvas_->image().size()) / devicePixelRatio_).toSize());
    draw();
}

void EnergyGraphWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
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
