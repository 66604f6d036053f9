#include "trajectory_view.h"

#include "body_drawing.h"
#include "pen.h"

#include <algorithm>

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

// The dots of the points after the last one plotted, up to NT, each point as its two dots,
// checked to fit a picture's coordinates.
void plotNewPoints(TrackStore& track, Pen& pen, Long nt) {
    for (Long i = track.plotted + 1; i <= nt; ++i) {
        const Dot dots[] = {{ToSingle(track.TrX1[i]), ToSingle(track.TrY1[i]), kBody1Colour},
                            {ToSingle(track.TrX2[i]), ToSingle(track.TrY2[i]), kBody2Colour}};
        pen.dots(dots);
        track.plotted = i;
    }
}

void drawCurrentShapes(const ModelRecord& r, const TrackStore& track, Pen& pen, bool option2Selected) {
    const double x1 = r.X1 / r.Mx, y1 = r.Y1 / r.Mx, x2 = r.X2 / r.Mx, y2 = r.Y2 / r.Mx;
    pen.line(x1, y1, x1 + r.VX1 / r.Mv, y1 + r.VY1 / r.Mv, kVelocity1Colour);
    pen.line(x2, y2, x2 + r.VX2 / r.Mv, y2 + r.VY2 / r.Mv, kVelocity2Colour);
    pen.circle(x1, y1, r.D1 / r.Mx / 2, kBody1Colour);
    pen.circle(x1, y1, kCentreMarkRadius, kBody1Colour);
    pen.circle(x2, y2, kCentreMarkRadius, kBody2Colour);
    if (option2Selected) {
        DrawRodOutline(pen, track.rod, kBody2Colour);
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
    // A new track begins even when its first point cannot be placed: none of the old points is
    // plotted again after a clear, and every new one is checked before it is drawn.
    track.plotted = 0;
    storePoint(r, track, r.NT);
}

void ScreenUpdate(ModelRecord& r, TrackStore& track, Picture& picture, bool option1Selected,
                  bool option2Selected) {
    Increment(r.NT);
    storePoint(r, track, r.NT);
    // A run continued after a start that failed part-way counts its points from 1 again in the
    // old track: the points stored again are plotted again.
    track.plotted = std::min(track.plotted, r.NT - 1);
    if (!option1Selected) ComputeRodOutline(r, track.rod);
    Pen trackPen(picture.track());
    plotNewPoints(track, trackPen, r.NT);
    Pen bodiesPen(picture.newBodies());
    drawCurrentShapes(r, track, bodiesPen, option2Selected);
}

} // namespace kvor
