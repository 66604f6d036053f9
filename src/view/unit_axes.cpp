#include "unit_axes.h"

#include "core/interface_text.h"
#include "core/number_text.h"
#include "pen.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace kvor {

namespace {

// A line number times the scale, as every number of the program is written.
std::string valueAt(int line, double scale, char decimalSeparator) {
    return NumberText(line * scale, decimalSeparator);
}

// What the legend draws a curve's colour as: a short bar of three lines.
void legendBar(Canvas& canvas, float x, float y, Rgb colour) {
    for (const float dy : {-0.05f, 0.0f, 0.05f}) canvas.line(x, y + dy, x + 0.4f, y + dy, colour);
}

// Moves what is divided by a scale from `before` to `after`; a move that cannot be stored keeps
// the value where it was.
double moved(double value, double before, double after) {
    const double to = value * (before / after);
    return std::isfinite(to) ? to : value;
}

float moved(float value, double before, double after) {
    const double to = moved(static_cast<double>(value), before, after);
    return std::abs(to) < std::numeric_limits<float>::max() ? static_cast<float>(to) : value;
}

} // namespace

void DrawTrajectoryAxisNumbers(Canvas& canvas, const AxisScales& scales, char decimalSeparator) {
    if (!scales.Mx) return;
    // The picture runs from -5 to 5 both ways; a text is about a third of a unit high.
    canvas.print(-4.95f, 4.95f, Tr("Kvor3m", "x, y: м"));
    for (const int k : {-4, -2, 2, 4}) {
        canvas.print(static_cast<float>(k) + 0.05f, -4.55f, valueAt(k, *scales.Mx, decimalSeparator));
        canvas.print(-4.95f, static_cast<float>(k) + 0.4f, valueAt(k, *scales.Mx, decimalSeparator));
    }
}

void DrawTimeGraphAxisNumbers(Canvas& canvas, const AxisScales& scales, const GraphSelection& shown,
                              char decimalSeparator) {
    // The picture runs from 0 to 14 in x and from 4 to -4 in y.
    if (scales.Mt) {
        for (int x = 2; x <= 12; x += 2)
            canvas.print(static_cast<float>(x) + 0.05f, -3.6f, valueAt(x, *scales.Mt, decimalSeparator));
        canvas.print(13.3f, -3.6f, Tr("Kvor3m", "T, с"));
    }
    bool velocities = false;
    for (const GraphCurve& curve : kGraphCurves)
        velocities = velocities || (curve.scale == &ModelRecord::Mv && IsPlotted(curve, shown));
    struct Column {
        bool plotted;
        const std::optional<double>& scale;
        std::string_view heading;
    } const columns[] = {{velocities, scales.Mv, Tr("Kvor3m", "V, м/с")},
                         {true, scales.MF, Tr("Kvor3m", "F, Н")},
                         {true, scales.MFq, Tr("Kvor3m", "Fq, Н")}};
    float left = 0.05f;
    for (const Column& column : columns) {
        if (!column.plotted || !column.scale) continue;
        canvas.print(left, 3.95f, column.heading);
        for (const int y : {-3, -2, -1, 1, 2, 3})
            canvas.print(left, static_cast<float>(y) + 0.4f, valueAt(y, *column.scale, decimalSeparator));
        left += 1.3f;
    }
    float y = 3.95f;
    for (const GraphCurve& curve : kGraphCurves) {
        if (!IsPlotted(curve, shown)) continue;
        legendBar(canvas, 12.6f, y - 0.18f, curve.colour);
        canvas.print(13.1f, y, curve.name);
        y -= 0.4f;
    }
}

void MoveTrackToScale(TrackStore& track, RecordedPicture& picture, double before, double after) {
    for (auto* points : {&track.TrX1, &track.TrX2, &track.TrY1, &track.TrY2})
        for (real& p : *points) p = moved(p, before, after);
    picture.moveTrackPoints([&](Dot& dot) {
        dot.x = moved(dot.x, before, after);
        dot.y = moved(dot.y, before, after);
    });
}

void MoveTimeGraphToScale(RecordedPicture& picture, real ModelRecord::*scale, double before, double after) {
    picture.moveTrackPoints([&](Dot& dot) {
        if (scale == &ModelRecord::Mt) {
            dot.x = moved(dot.x, before, after);
            return;
        }
        // A point belongs to the curve of its colour.
        for (const GraphCurve& curve : kGraphCurves)
            if (curve.colour == dot.colour && curve.scale == scale) dot.y = moved(dot.y, before, after);
    });
}

} // namespace kvor
