// The window's pictures, pixel by pixel: inside its frame Picture1 has 291 x 291 pixels for 10 units
// (29 a unit, origin at pixel 145, y upwards); Picture2 407 x 239 for 14 x 8 units.

#include "../view/pixels.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"
#include "window_fixture.h"

#include <cmath>

namespace kvor::test {
namespace {

constexpr Rgb kRed{250, 0, 0};
constexpr Rgb kBlue{0, 0, 250};
constexpr Rgb kErase{250, 250, 250};

// Picture1's pixel for a position in units.
int column(double x) {
    return static_cast<int>(std::floor((x + 5) * 29 + 0.5));
}
int row(double y) {
    return static_cast<int>(std::floor((5 - y) * 29 + 0.5));
}

int CountNear(const ImageCanvas& canvas, Rgb colour, double cx, double cy, double radius) {
    int count = 0;
    for (const Pixel& p : PixelsOf(canvas, colour))
        if (std::abs(std::hypot(p.x - cx, p.y - cy) - radius) <= 0.75) ++count;
    return count;
}

using WindowPictures = WindowTest;

TEST_F(WindowPictures, ARunLeavesDotsVectorsAndBodiesAndErasesWhatItDrewBefore) {
    click("Command7");
    // 300 updates of 0.2 ms: 0.06 s, before the balls touch at 0.1 s.
    clickWhenTrackHas(299, "Command2");
    click("Command1");
    ASSERT_TRUE(messages.shown.empty());
    const ModelRecord& r = window.record();
    const TrackStore& track = window.track();
    ASSERT_EQ(r.NT, 300);

    // Ball 2 has left a trail of 35 pixels below it; ball 1's short trail lies under its centre.
    int blue = 0;
    for (long i = 1; i <= r.NT; ++i)
        blue += picture1().pixel(column(track.TrX2[i]), row(track.TrY2[i])) == kBlue;
    EXPECT_GE(blue, 250);

    // The bodies at their last position with their centre marks (0.1 unit: 3 pixels), and the
    // velocity vectors in the darker colours: 1/3 unit right of ball 1, 10/3 units above ball 2.
    const int x1 = column(r.X1 / 0.5), y1 = row(r.Y1 / 0.5), x2 = column(r.X2 / 0.5), y2 = row(r.Y2 / 0.5);
    EXPECT_GE(CountNear(picture1(), kRed, x1, y1, 29), 150);
    EXPECT_GE(CountNear(picture1(), kBlue, x2, y2, 29), 150);
    EXPECT_GE(CountNear(picture1(), kRed, x1, y1, 3), 12);
    EXPECT_GE(CountNear(picture1(), kBlue, x2, y2, 3), 12);
    for (int x = x1 + 4; x <= column(r.X1 / 0.5 + 1.0 / 3); ++x)
        EXPECT_EQ(picture1().pixel(x, y1), (Rgb{180, 0, 0}));
    for (int y = row(r.Y2 / 0.5 + 10.0 / 3); y <= y2 - 4; ++y) {
        const bool underCircle = std::abs(y - (y2 - 29)) <= 1; // ball 2's circle is drawn after it
        EXPECT_TRUE(underCircle || picture1().pixel(x2, y) == (Rgb{0, 0, 180})) << y;
    }

    // Show bodies drew ball 1 at the start; at its leftmost point only the erase colour is left.
    EXPECT_EQ(picture1().pixel(column(-1.6142) - 29, row(0)), kErase);

    // The time graph: before the impact the three forces are 0, and the Coulomb force, plotted
    // last, covers the other two on the time axis, one pixel for every 0.29 pixel of time.
    const auto forces = PixelsOf(picture2(), Rgb{0, 200, 200});
    EXPECT_GE(forces.size(), 80u);
    for (const Pixel& p : forces) EXPECT_EQ(p.y, 119);
    EXPECT_TRUE(PixelsOf(picture2(), Rgb{255, 0, 0}).empty());
}

TEST_F(WindowPictures, TickedVelocityCurvesArePlotted) {
    // Before the impact, at 3 (m/s)/cm: the ticked curves of body 1 at their heights, none of body 2.
    type("Text8", "2");
    type("Text17", "-3");
    click("Check3");
    click("Check5");
    clickWhenTrackHas(30, "Command2");
    click("Command1");
    const std::tuple<Rgb, double, bool> curves[] = {
        {{255, 0, 0}, 1, true}, {{220, 0, 0}, 2, true}, {{0, 0, 255}, -3, false}, {{0, 0, 220}, 10, false}};
    for (const auto& [colour, v, ticked] : curves) {
        EXPECT_EQ(PixelsOf(picture2(), colour).size() >= 8, ticked) << v;
        for (const Pixel& p : PixelsOf(picture2(), colour))
            EXPECT_EQ(p.y, std::lround((4 - v / 3) * 29.75)) << v;
    }
}

TEST_F(WindowPictures, BallRodStartPrintsTheEndImpactSolution) {
    click("Option2");
    clickWhenTrackHas(3, "Command2");
    click("Command1");
    EXPECT_TRUE(messages.shown.empty());
    // Three lines of text from the top-left corner, at y = 5, 4.5 and 4 (rows 0, 15 and 29).
    for (const auto& [top, bottom] : {std::pair{0, 14}, {15, 28}, {29, 43}}) {
        int dark = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = 0; x < 140; ++x) {
                const Rgb c = picture1().pixel(x, y);
                dark += c.r == c.g && c.g == c.b && c.r < 100;
            }
        EXPECT_GT(dark, 30) << top;
    }
}

TEST_F(WindowPictures, ClearPicturesLeavesThemAsAtStartUp) {
    clickWhenTrackHas(299, "Command2");
    click("Command1");
    click("Command5");
    ImageCanvas fresh1(QSize(291, 291), picture1().image().devicePixelRatio());
    PrepareTrajectoryView(fresh1);
    ImageCanvas fresh2(QSize(407, 239), picture2().image().devicePixelRatio());
    PrepareTimeGraphView(fresh2);
    EXPECT_TRUE(picture1().image() == fresh1.image());
    EXPECT_TRUE(picture2().image() == fresh2.image());
}

} // namespace
} // namespace kvor::test
