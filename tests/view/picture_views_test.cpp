// The views on image canvases of the window's size: 291 x 291 pixels for the trajectory (29 a unit,
// origin at pixel 145), 407 x 239 for the time graph (29 a unit across, 29.75 down).

#include "pixels.h"
#include "view/body_drawing.h"
#include "view/picture_image.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"
#include "view/unit_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace kvor::test {
namespace {

constexpr Rgb kGrid{1, 0, 0};
constexpr Rgb kRod{0, 0, 250};

// The time graph's pixel row of a value y in units.
int GraphRow(double y) {
    return static_cast<int>(std::floor((4 - y) * 29.75 + 0.5));
}

bool IsCurve(Rgb c) {
    return !(c == kWhite) && !(c == kGrid);
}

TEST(TrajectoryPicture, ElevenByElevenGridInColourOneWithLightGreyAxes) {
    ImageCanvas canvas(QSize(291, 291), 1.0);
    PrepareTrajectoryView(canvas);
    const std::set<int> lines{0, 29, 58, 87, 116, 145, 174, 203, 232, 261, 290};
    for (int y = 0; y < 291; ++y)
        for (int x = 0; x < 291; ++x) {
            const Rgb expected = x == 145 || y == 145               ? Rgb{200, 200, 200}
                                 : lines.count(x) || lines.count(y) ? kGrid
                                                                    : kWhite;
            ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
        }
}

// Two balls of one unit's diameter cross grid lines and the axes, shown at every update: wherever
// they are not now and no dot lies, the picture is the grid as prepared, also where they were. And
// the image brought up to date update by update is the one drawn from the layers at once.
TEST(TrajectoryPicture, AMovingBodyLeavesTheGridWhole) {
    ModelRecord r;
    r.Mx = 0.1, r.Mv = 0.5, r.D1 = 0.1, r.D2 = 0.1;
    TrackStore track;
    RecordedPicture picture;
    PictureImage image(QSize(291, 291), 1.0);
    PrepareTrajectoryView(picture.base());
    StoreStartPoint(r, track);
    for (int i = 1; i <= 60; ++i) {
        r.X1 = -0.25 + 0.01 * i, r.Y1 = 0.005 * i, r.VX1 = 0.3, r.VY1 = 0.15;
        r.X2 = 0.25 - 0.01 * i, r.Y2 = -0.1, r.VX2 = -0.3;
        ScreenUpdate(r, track, picture, true, false);
        image.update(picture);
    }
    ImageCanvas grid(QSize(291, 291), 1.0), bodiesNow(QSize(291, 291), 1.0), dots(QSize(291, 291), 1.0);
    PrepareTrajectoryView(grid);
    PrepareTrajectoryView(bodiesNow);
    PrepareTrajectoryView(dots);
    bodiesNow.clear(), dots.clear();
    picture.bodiesLayer().replay(bodiesNow);
    picture.trackLayer().replay(dots);
    int gridPixels = 0;
    for (int y = 0; y < 291; ++y)
        for (int x = 0; x < 291; ++x) {
            if (!(bodiesNow.pixel(x, y) == kWhite) || !(dots.pixel(x, y) == kWhite)) continue;
            ASSERT_EQ(image.canvas().pixel(x, y), grid.pixel(x, y)) << x << "," << y;
            gridPixels += !(grid.pixel(x, y) == kWhite);
        }
    EXPECT_GT(gridPixels, 6000);
    PictureImage atOnce(QSize(291, 291), 1.0);
    atOnce.update(picture);
    EXPECT_TRUE(atOnce.canvas().image() == image.canvas().image());
    // Moved to a scale twice as large, the track is drawn again as it lies now.
    MoveTrackToScale(track, picture, 0.1, 0.2);
    image.update(picture);
    PictureImage moved(QSize(291, 291), 1.0);
    moved.update(picture);
    EXPECT_TRUE(moved.canvas().image() == image.canvas().image());
    EXPECT_FALSE(moved.canvas().image() == atOnce.canvas().image());
}

TEST(TimeGraphPicture, SevenRowsAndSixColumnsOfGridAndNothingOnTheEdges) {
    ImageCanvas canvas(QSize(407, 239), 1.0);
    PrepareTimeGraphView(canvas);
    const std::set<int> rows{30, 60, 89, 119, 149, 179, 208}, columns{58, 116, 174, 232, 290, 348};
    for (int y = 0; y < 239; ++y)
        for (int x = 0; x < 407; ++x)
            ASSERT_EQ(canvas.pixel(x, y), rows.count(y) || columns.count(x) ? kGrid : kWhite)
                << x << "," << y;
}

// Each curve is one point at x = T/Mt and y = its value over its scale, in a colour of its own:
// body 1 in reds, body 2 in blues, the forces in greens and cyan. The velocity curves only when
// their check boxes are ticked.
TEST(TimeGraphPicture, EveryCurveIsAPointInItsOwnColourAtItsValue) {
    ModelRecord r;
    r.T = 0.1, r.Mt = 0.02; // x = 5 units: column 145
    r.Mv = 2, r.MF = 10, r.MFq = 100;
    r.VX1 = 7, r.VY1 = 5, r.VX2 = 3, r.VY2 = 1, r.w1 = -1, r.w2 = -3;
    r.FX = -25, r.FY = -35, r.Fq = -375;
    const std::pair<double, Rgb> curves[] = {
        {3.5, {255, 0, 0}},  {2.5, {220, 0, 0}},  {1.5, {0, 0, 255}},
        {0.5, {0, 0, 220}},  {-0.5, {250, 0, 0}}, {-1.5, {0, 0, 250}},
        {-2.5, {0, 170, 0}}, {-3.5, {0, 255, 0}}, {-3.75, {0, 200, 200}},
    };
    ImageCanvas canvas(QSize(407, 239), 1.0);
    PrepareTimeGraphView(canvas);
    GraphSelection all;
    all.VX1 = all.VY1 = all.VX2 = all.VY2 = all.w1 = all.w2 = true;
    PlotTimeGraphPoints(r, canvas, all);
    for (const auto& [y, colour] : curves) EXPECT_EQ(canvas.pixel(145, GraphRow(y)), colour) << y;
    EXPECT_EQ(CountPixels(canvas, IsCurve), 9);

    ImageCanvas forcesOnly(QSize(407, 239), 1.0);
    PrepareTimeGraphView(forcesOnly);
    PlotTimeGraphPoints(r, forcesOnly, GraphSelection{});
    EXPECT_EQ(CountPixels(forcesOnly, IsCurve), 3);
}

TEST(BodyDrawing, TheRodIsARectangleOfItsLengthAndThickness) {
    // 1 m by 0.2 m at 0.2 m a unit: from pixel 131 to 160 across (130.5, 159.5 rounded up), 73 to 218 down.
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
        EXPECT_TRUE(side || end || (p.x == 145 && p.y == 145)) << p.x << "," << p.y;
    }
    EXPECT_EQ(CountPixels(canvas, [](Rgb c) { return !(c == kWhite); }), static_cast<int>(blue.size()));

    // Turned by 0.5 rad it is still a rectangle about its centre: each pixel has its mirror image.
    ImageCanvas turned(QSize(291, 291), 1.0);
    turned.setScale(-5, 5, 5, -5);
    Pen turnedPen(turned);
    r.phi2 = 0.5;
    DrawBodies(r, rod, turnedPen, false, true);
    for (const Pixel& p : PixelsOf(turned, kRod)) {
        bool mirrored = false;
        for (int d = 0; d < 9; ++d)
            mirrored = mirrored || turned.pixel(289 + d % 3 - p.x, 289 + d / 3 - p.y) == kRod;
        EXPECT_TRUE(mirrored) << p.x << "," << p.y;
    }
}

} // namespace
} // namespace kvor::test
