#include "time_graph_view.h"

#include "pen.h"

namespace kvor {

namespace {
constexpr Rgb kGridColour{1, 0, 0};
} // namespace

void PrepareTimeGraphView(Canvas& canvas) {
    Pen pen(canvas);
    canvas.setScale(0, 4, 14, -4);
    for (const int y : {0, -1, 1, -2, 2, -3, 3}) pen.line(0, y, 14, y, kGridColour);
    for (int x = 2; x <= 12; x += 2) pen.line(x, -4, x, 4, kGridColour);
}

void PlotTimeGraphPoints(const ModelRecord& r, Canvas& canvas, const GraphSelection& selected) {
    Pen pen(canvas);
    // Each point takes its x from the time afresh.
    const auto plot = [&](double y, Rgb colour) { pen.point(r.T / r.Mt, y, colour); };
    for (const GraphCurve& curve : kGraphCurves)
        if (IsPlotted(curve, selected)) plot(r.*curve.quantity / r.*curve.scale, curve.colour);
}

} // namespace kvor
