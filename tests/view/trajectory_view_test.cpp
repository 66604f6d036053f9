// The trajectory view without pixels: what ScreenUpdate stores and asks the picture to draw.

#include "core/fp_exceptions.h"
#include "core/model_record.h"
#include "engine_fixture.h"
#include "test_doubles.h"
#include "view/trajectory_view.h"

#include <gtest/gtest.h>

#include <limits>

namespace kvor {
namespace {

// A new track begins whenever a start point is stored, even one that cannot be placed (a zero
// scale): the dots of the old track are not re-plotted again, and a first point too far away for
// a picture is still refused before it reaches the surface.
TEST(TrajectoryView, ANewTrackBeginsEvenWhenItsStartPointCannotBePlaced) {
    fp::clearFaults();
    ModelRecord r;
    TrackStore track;
    test::LoggingCanvas picture;
    r.Mx = 1;
    r.Mv = 1;
    r.D1 = 1;
    r.D2 = 1;
    r.NT = 0;
    StoreStartPoint(r, track);
    for (int i = 0; i < 5; ++i) ScreenUpdate(r, track, picture, true, false);
    ASSERT_EQ(track.drawable, 5);
    const unsigned generation = track.generation;

    r.Mx = 0;  // as before any start, or after a zero scale ended a run
    r.NT = 0;
    EXPECT_THROW(StoreStartPoint(r, track), ArithmeticFault);
    EXPECT_EQ(track.generation, generation + 1);
    EXPECT_EQ(track.drawable, 0);

    // The first update of the new track checks its point: one beyond single precision is a fault.
    r.Mx = 1e-300;
    r.X1 = 1;
    EXPECT_THROW(ScreenUpdate(r, track, picture, true, false), ArithmeticFault);
    EXPECT_EQ(r.NT, 1);
}

TEST(TrajectoryView, EachUpdateAppendsOnePointInPictureUnitsAndReplotsTheTrack) {
    fp::clearFaults();
    ModelRecord r;
    TrackStore track;
    test::LoggingCanvas picture;
    r.Mx = 0.5;
    r.Mv = 2;
    r.X1 = -1;
    r.Y2 = 1.5;
    StoreStartPoint(r, track);
    r.X1 = -0.5;
    ScreenUpdate(r, track, picture, true, false);
    ScreenUpdate(r, track, picture, true, false);
    EXPECT_EQ(r.NT, 2);
    EXPECT_DOUBLE_EQ(track.TrX1[0], -2);
    EXPECT_DOUBLE_EQ(track.TrX1[1], -1);
    EXPECT_DOUBLE_EQ(track.TrY2[2], 3);
    long replotted = 0;
    for (const auto& op : picture.ops)
        if (op.kind == test::CanvasOp::Kind::PlotTrack) replotted = op.count;
    EXPECT_EQ(replotted, 2);
}

// The window's own code may leave floating-point flags raised; clearing the pictures must not take
// them for a fault of its grid lines.
TEST(TrajectoryView, ClearPicturesIgnoresFlagsLeftByOtherCode) {
    test::Engine engine;
    volatile double huge = std::numeric_limits<double>::max();
    volatile double overflowed = huge * 10;  // raises the overflow flag
    (void)overflowed;
    engine.picture1.ops.clear();
    EXPECT_NO_THROW(engine.experiment.Command5_Click());
    ASSERT_FALSE(engine.picture1.ops.empty());
    EXPECT_EQ(engine.picture1.ops.front().kind, test::CanvasOp::Kind::Clear);
    EXPECT_EQ(engine.picture1.ops.size(), 2u + 24u);  // clear, scale, 22 grid lines and 2 axes
}

} // namespace
} // namespace kvor
