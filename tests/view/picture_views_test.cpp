// The trajectory view, the body drawing and the time graph as they come out on an image canvas of
// the window's size: 291 x 291 pixels inside the trajectory frame (29 pixels a unit, origin at
// pixel 145) and 407 x 239 inside the time-graph frame (29 pixels a unit across, 29.75 down).

#include "pixels.h"
#include "view/body_drawing.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"

#include <gtest/gtest.h>

#include <set>

namespace kvor::test {
namespace {

constexpr Rgb kGrid{1, 0, 0};
constexpr Rgb kAxis{200, 200, 200};
constexpr Rgb kRod{0, 0, 250};

TEST(TrajectoryPicture, ElevenByElevenGridInColourOneWithLightGreyAxes) {
    ImageCanvas canvas(QSize(291, 291), 1.0);
    PrepareTrajectoryView(canvas);
    const std::set<int> lines{0, 29, 58, 87, 116, 145, 174, 203, 232, 261, 290};
    for (int y = 0; y < 291; ++y)
        for (int x = 0; x < 291; ++x) {
            const Rgb c = canvas.pixel(x, y);
            if (x == 145 || y == 145)
                EXPECT_EQ(c, kAxis) << x << "," << y;
            else if (lines.count(x) || lines.count(y))
                EXPECT_EQ(c, kGrid) << x << "," << y;
            else
                EXPECT_EQ(c, kWhite) << x << "," << y;
        }
}

TEST(TimeGraphPicture, SevenRowsAndSixColumnsOfGridAndNothingOnTheEdges) {
    ImageCanvas canvas(QSize(407, 239), 1.0);
    PrepareTimeGraphView(canvas);
    // y = 3, 2, 1, 0, -1, -2, -3 at 29.75 pixels a unit from y = 4 at the top, rounded.
    const std::set<int> rows{30, 60, 89, 119, 149, 179, 208};
    const std::set<int> columns{58, 116, 174, 232, 290, 348};
    for (int y = 0; y < 239; ++y)
        for (int x = 0; x < 407; ++x) {
            const bool onGrid = rows.count(y) || columns.count(x);
            ASSERT_EQ(canvas.pixel(x, y), onGrid ? kGrid : kWhite) << x << "," << y;
        }

    // Points of the curves are single pixels at x = T/Mt, y = value/scale.
    ModelRecord r;
    r.T = 0.1;
    r.Mt = 0.02; // x = 5 units: pixel 145
    r.Mv = 3;
    r.MF = 15;
    r.MFq = 100;
    r.VX1 = 3;   // 1 unit up: pixel 89
    r.FX = -15;  // 1 unit down: pixel 149
    r.w2 = -7.5; // 2.5 units down: pixel 193.375
    GraphSelection selected;
    selected.VX1 = true;
    selected.w2 = true;
    PlotTimeGraphPoints(r, canvas, selected);
    EXPECT_EQ(canvas.pixel(145, 89), (Rgb{255, 0, 0}));
    EXPECT_EQ(canvas.pixel(145, 149), (Rgb{0, 170, 0}));
    EXPECT_EQ(canvas.pixel(145, 193), (Rgb{0, 0, 250}));
    // FY and Fq are 0 and fall on the time axis, Fq last.
    EXPECT_EQ(canvas.pixel(145, 119), (Rgb{0, 200, 200}));
    EXPECT_EQ(CountPixels(canvas, [](Rgb c) { return !(c == kWhite) && !(c == kGrid); }), 4);
}

TEST(BodyDrawing, UprightRodIsARectangleOfItsLengthAndThickness) {
    // A rod 1 m long and 0.2 m thick at the origin at 0.2 m per unit: 5 units tall and one wide,
    // from pixel 131 to 160 across (130.5 and 159.5 rounded up) and from 73 to 218 down.
    ModelRecord r;
    r.X2 = 0, r.Y2 = 0, r.L2 = 1, r.D2 = 0.2, r.R20 = 0.1, r.phi2 = 0, r.Mx = 0.2, r.Mv = 10;
    r.X1 = 100, r.Y1 = 100, r.D1 = 0.5, r.R10 = 0.25; // far off the picture
    ImageCanvas canvas(QSize(291, 291), 1.0);
    canvas.setScale(-5, 5, 5, -5);
    RodOutline rod{};
    Pen pen(canvas);
    DrawBodies(r, rod, pen, false, true);
    // Besides the outline, the rod at rest has a velocity vector of zero length: its centre pixel.
    const auto blue = PixelsOf(canvas, kRod);
    EXPECT_EQ(blue.size(), static_cast<std::size_t>(2 * (218 - 73 + 1) + 2 * (160 - 131 + 1) - 4 + 1));
    for (const Pixel& p : blue) {
        const bool side = (p.x == 131 || p.x == 160) && p.y >= 73 && p.y <= 218;
        const bool end = (p.y == 73 || p.y == 218) && p.x >= 131 && p.x <= 160;
        const bool centre = p.x == 145 && p.y == 145;
        EXPECT_TRUE(side || end || centre) << p.x << "," << p.y;
    }
    EXPECT_EQ(CountPixels(canvas, [](Rgb c) { return !(c == kWhite); }), static_cast<int>(blue.size()));
}

} // namespace
} // namespace kvor::test
