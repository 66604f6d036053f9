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
    if (selected.VX1) plot(r.VX1 / r.Mv, {255, 0, 0});
    if (selected.VY1) plot(r.VY1 / r.Mv, {220, 0, 0});
    if (selected.VX2) plot(r.VX2 / r.Mv, {0, 0, 255});
    if (selected.VY2) plot(r.VY2 / r.Mv, {0, 0, 220});
    plot(r.FX / r.MF, {0, 170, 0});
    plot(r.FY / r.MF, {0, 255, 0});
    plot(r.Fq / r.MFq, {0, 200, 200});
    if (selected.w1) plot(r.w1 / r.Mv, {250, 0, 0});
    if (selected.w2) plot(r.w2 / r.Mv, {0, 0, 250});
}

} // namespace kvor
