#include "trajectory_view.h"

#include "body_drawing.h"
#include "pen.h"

#include <algorithm>
#include <cstddef>

namespace kvor {

namespace {

constexpr Rgb kGridColour{1, 0, 0};
constexpr Rgb kAxisColour{200, 200, 200};
constexpr Rgb kVelocity1Colour{180, 0, 0};
constexpr Rgb kVelocity2Colour{0, 0, 180};
constexpr double kCentreMarkRadius = 0.1;

void storePoint(const ModelRecord& r, TrackStore& track, Long index) {
    if (index < 0 || index >= TrackStore::kCapacity) raiseArithmeticFault();
    track.TrX1[index] = r.X1 / r.Mx;
    track.TrX2[index] = r.X2 / r.Mx;
    track.TrY1[index] = r.Y1 / r.Mx;
    track.TrY2[index] = r.Y2 / r.Mx;
}

// The shapes of the last update, drawn at point p with the velocities and the rod outline they
// were drawn with, in the erase colour. Radii use the current scales.
void eraseLastShapes(const ModelRecord& r, TrackStore& track, Pen& pen, Long p, bool option2Selected) {
    const double x1 = track.TrX1[p], y1 = track.TrY1[p], x2 = track.TrX2[p], y2 = track.TrY2[p];
    pen.line(x1, y1, x1 + track.VX1Prev / r.Mv, y1 + track.VY1Prev / r.Mv, kEraseColour);
    pen.line(x2, y2, x2 + track.VX2Prev / r.Mv, y2 + track.VY2Prev / r.Mv, kEraseColour);
    StoreDrawnVelocities(r, track);

    pen.circle(x1, y1, r.D1 / r.Mx / 2, kEraseColour);
    pen.circle(x1, y1, kCentreMarkRadius, kEraseColour);
    pen.circle(x2, y2, kCentreMarkRadius, kEraseColour);
    if (option2Selected) {
        DrawRodOutline(pen, track.rodDrawn, kEraseColour);
    } else {
        pen.circle(x2, y2, r.D2 / r.Mx / 2, kEraseColour);
    }
}

// Every dot of points 1 to NT is set again, so that dots hit by the erasing come back. Each point
// becomes its two dots once, checked to fit a picture's coordinates; the surface then re-plots the
// run as it sees fit.
void replotTrack(TrackStore& track, Pen& pen, Long nt) {
    for (auto i = static_cast<Long>(track.dots.size() / 2) + 1; i <= nt; ++i) {
        const Dot body1{ToSingle(track.TrX1[i]), ToSingle(track.TrY1[i]), kBody1Colour};
        const Dot body2{ToSingle(track.TrX2[i]), ToSingle(track.TrY2[i]), kBody2Colour};
        track.dots.push_back(body1);
        track.dots.push_back(body2);
    }
    pen.dots(track.dots);
}

void drawCurrentShapes(const ModelRecord& r, TrackStore& track, Pen& pen, bool option2Selected) {
    const double x1 = r.X1 / r.Mx, y1 = r.Y1 / r.Mx, x2 = r.X2 / r.Mx, y2 = r.Y2 / r.Mx;
    pen.line(x1, y1, x1 + r.VX1 / r.Mv, y1 + r.VY1 / r.Mv, kVelocity1Colour);
    pen.line(x2, y2, x2 + r.VX2 / r.Mv, y2 + r.VY2 / r.Mv, kVelocity2Colour);
    pen.circle(x1, y1, r.D1 / r.Mx / 2, kBody1Colour);
    pen.circle(x1, y1, kCentreMarkRadius, kBody1Colour);
    pen.circle(x2, y2, kCentreMarkRadius, kBody2Colour);
    if (option2Selected) {
        DrawRodOutline(pen, track.rod, kBody2Colour);
        track.rodDrawn = track.rod;
    } else {
        pen.circle(x2, y2, r.D2 / r.Mx / 2, kBody2Colour);
    }
}

} // namespace

void PrepareTrajectoryView(Canvas& canvas) {
    Pen pen(canvas);
    canvas.setScale(-5, 5, 5, -5);
    for (int k = -5; k <= 5; ++k) {
        pen.line(-5, k, 5, k, kGridColour);
        pen.line(k, -5, k, 5, kGridColour);
    }
    pen.line(-5, 0, 5, 0, kAxisColour);
    pen.line(0, -5, 0, 5, kAxisColour);
}

void StoreStartPoint(const ModelRecord& r, TrackStore& track) {
    // A new track begins even when its first point cannot be placed: none of the old dots is
    // re-plotted again, and every new one is checked before it is drawn.
    track.dots.clear();
    storePoint(r, track, r.NT);
}

void StoreDrawnVelocities(const ModelRecord& r, TrackStore& track) {
    track.VX1Prev = r.VX1;
    track.VY1Prev = r.VY1;
    track.VX2Prev = r.VX2;
    track.VY2Prev = r.VY2;
}

void ScreenUpdate(ModelRecord& r, TrackStore& track, Canvas& canvas, bool option1Selected,
                  bool option2Selected) {
    Pen pen(canvas);
    Increment(r.NT);
    storePoint(r, track, r.NT);
    // A run continued after a start that failed part-way counts its points from 1 again in the
    // old track: the dots of the points stored again go with them.
    track.dots.resize(std::min(track.dots.size(), 2 * static_cast<std::size_t>(r.NT - 1)));
    if (!option1Selected) ComputeRodOutline(r, track.rod);
    eraseLastShapes(r, track, pen, r.NT - 1, option2Selected);
    replotTrack(track, pen, r.NT);
    drawCurrentShapes(r, track, pen, option2Selected);
}

} // namespace kvor
