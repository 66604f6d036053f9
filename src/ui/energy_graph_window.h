#pragma once

#include "output/data_series.h"
#include "view/image_canvas.h"
#include "window_zoom.h"

#include <QWidget>

#include <cstddef>
#include <optional>

namespace kvor::ui {

// "График энергий": the energy graph in a window of its own beside the main window, which can stay
// open during runs. It is drawn again from the series of values whenever the main window shows
// its pictures and the series has grown, and it is cleared with the other pictures. At a zoom it
// is drawn again at the zoomed pixel size.
class EnergyGraphWindow final : public QWidget, public ZoomFollower {
public:
    EnergyGraphWindow(const DataSeries& series, double devicePixelRatio, QWidget* owner);

    // Draws the rows that came since the last time; nothing when none did.
    void showChanges();
    // Empty, as the other pictures are after "Очистить  рисунки": only rows that come later show.
    void clearGraph();

    const QImage& image() const { return canvas_->image(); }

    void zoomTo(double factor) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void draw();

    const DataSeries& series_;
    double devicePixelRatio_;
    std::optional<ImageCanvas> canvas_;
    std::size_t first_ = 0;     // the first row shown
    unsigned generation_ = 0;   // of the series the rows belong to
    std::size_t shownRows_ = 0; // rows drawn the last time
};

} // namespace kvor::ui
