#include "pixels.h"
#include "view/image_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace kvor::test {
namespace {

constexpr Rgb kRed{250, 0, 0};
constexpr Rgb kBlue{0, 0, 250};
constexpr Rgb kErase{250, 250, 250};

// The inside of the trajectory picture: 291 pixels for 10 units, so one unit is 29 pixels and the
// origin is pixel 145 both ways.
ImageCanvas TrajectoryCanvas(double ratio = 1.0) {
    ImageCanvas canvas(QSize(291, 291), ratio);
    canvas.setScale(-5, 5, 5, -5);
    return canvas;
}

std::set<std::pair<int, int>> NonWhite(const ImageCanvas& canvas) {
    std::set<std::pair<int, int>> set;
    for (int y = 0; y < canvas.image().height(); ++y)
        for (int x = 0; x < canvas.image().width(); ++x)
            if (!(canvas.pixel(x, y) == kWhite)) set.insert({x, y});
    return set;
}

TEST(ImageCanvas, CornersOfTheUserRectangleAreTheCornerPixels) {
    ImageCanvas canvas = TrajectoryCanvas();
    EXPECT_EQ(canvas.image().size(), QSize(291, 291));
    EXPECT_EQ(CountPixels(canvas, [](Rgb c) { return c == kWhite; }), 291 * 291);

    canvas.point(-5, 5, kRed);
    canvas.point(5, -5, kBlue);
    canvas.point(0, 0, kRed);
    canvas.point(1, 1, kBlue);
    EXPECT_EQ(canvas.pixel(0, 0), kRed);
    EXPECT_EQ(canvas.pixel(290, 290), kBlue);
    EXPECT_EQ(canvas.pixel(145, 145), kRed);
    EXPECT_EQ(canvas.pixel(174, 116), kBlue); // y grows upwards
    EXPECT_EQ(NonWhite(canvas).size(), 4u);

    // A point is one pixel: between the two grid pixels of a unit nothing else changed.
    EXPECT_EQ(canvas.pixel(146, 145), kWhite);
}

TEST(ImageCanvas, LinesAreUnbrokenOnePixelPaths) {
    ImageCanvas canvas = TrajectoryCanvas();
    canvas.line(-5, 0, 5, 0, kRed);
    canvas.line(0, -5, 0, 5, kBlue);
    for (int i = 0; i < 291; ++i) {
        EXPECT_EQ(canvas.pixel(i, 145), i == 145 ? kBlue : kRed) << i;
        EXPECT_EQ(canvas.pixel(145, i), kBlue) << i;
    }
    EXPECT_EQ(NonWhite(canvas).size(), 291u + 290u);

}

TEST(ImageCanvas, CirclesLieOnTheirRadius) {
    ImageCanvas canvas = TrajectoryCanvas();
    canvas.circle(0, 0, 1, kRed); // 29 pixels
    const auto ring = PixelsOf(canvas, kRed);
    ASSERT_FALSE(ring.empty());
    for (const Pixel& p : ring) {
        const double r = std::hypot(p.x - 145, p.y - 145);
        EXPECT_NEAR(r, 29, 0.75) << p.x << "," << p.y;
    }
    for (const auto& [x, y] : {std::pair{174, 145}, {116, 145}, {145, 116}, {145, 174}})
        EXPECT_EQ(canvas.pixel(x, y), kRed);
    EXPECT_EQ(canvas.pixel(145, 145), kWhite);

}

// The trajectory view erases a shape by drawing it again near-white: that must cover every pixel
// the shape set and nothing more.
TEST(ImageCanvas, RedrawingAShapeInTheEraseColourCoversExactlyItsPixels) {
    const auto draw = [](ImageCanvas& canvas, Rgb colour) {
        canvas.line(-1.6142f, 0, -1.28f, 0.05f, colour);
        canvas.line(0.3f, -3.4142f, 0.31f, -0.081f, colour);
        canvas.circle(-1.6142f, 0, 1, colour);
        canvas.circle(0, -3.4142f, 0.1f, colour);
        canvas.circle(4.9f, 4.9f, 3.3f, colour); // partly off the picture
        canvas.line(-7, 2, 7, 2.5f, colour);     // clipped at both ends
        canvas.point(-2.5f, 1.5f, colour);
    };
    ImageCanvas canvas = TrajectoryCanvas();
    draw(canvas, kRed);
    const auto drawn = NonWhite(canvas);
    draw(canvas, kErase);
    EXPECT_EQ(NonWhite(canvas), drawn);
    EXPECT_TRUE(PixelsOf(canvas, kRed).empty());
    EXPECT_EQ(PixelsOf(canvas, kErase).size(), drawn.size());
}

TEST(ImageCanvas, HugeCoordinatesAreClippedWithoutHanging) {
    ImageCanvas canvas = TrajectoryCanvas();
    canvas.point(1e30f, 0, kRed);
    canvas.point(-1e30f, -3e38f, kRed);
    canvas.line(1e30f, 1e30f, 2e30f, 1e30f, kRed);
    canvas.circle(1e30f, 0, 1, kRed);
    canvas.circle(0, 0, 1e30f, kRed); // a ring far around the whole picture
    EXPECT_TRUE(NonWhite(canvas).empty());

    // A line from far left to far right still crosses the picture on the x axis.
    canvas.line(-1e30f, 0, 1e30f, 0, kBlue);
    EXPECT_EQ(PixelsOf(canvas, kBlue).size(), 291u);
    EXPECT_EQ(canvas.pixel(0, 145), kBlue);
    EXPECT_EQ(canvas.pixel(290, 145), kBlue);

}

TEST(ImageCanvas, TextIsPrintedDarkWithItsTopLeftAtThePoint) {
    ImageCanvas canvas = TrajectoryCanvas();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    canvas.setFont(font);
    canvas.print(0, 0, " V1= 30   V1= 10");
    int inked = 0, minX = 1000, minY = 1000, maxY = -1;
    for (int y = 0; y < 291; ++y)
        for (int x = 0; x < 291; ++x) {
            const Rgb c = canvas.pixel(x, y);
            if (c == kWhite) continue;
            EXPECT_EQ(c.r, c.g) << "text is grey to black, not coloured";
            if (c.r < 128) ++inked;
            minX = std::min(minX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    EXPECT_GT(inked, 20);
    EXPECT_GE(minX, 145);
    EXPECT_GE(minY, 145);
    EXPECT_LE(maxY, 145 + 16);
}

// On a screen with twice the pixel density the picture has four device pixels per logical one;
// a point is one logical pixel and lines are as thick as one.
TEST(ImageCanvas, HighDensityScreensGetTheSamePictureInFinerPixels) {
    ImageCanvas canvas = TrajectoryCanvas(2.0);
    EXPECT_EQ(canvas.image().size(), QSize(582, 582));
    EXPECT_EQ(canvas.image().devicePixelRatio(), 2.0);
    canvas.point(0, 0, kRed);
    EXPECT_EQ(PixelsOf(canvas, kRed).size(), 4u);
    EXPECT_EQ(canvas.pixel(290, 290), kRed);
    EXPECT_EQ(canvas.pixel(291, 291), kRed);

    canvas.line(-5, 2, 5, 2, kBlue);
    for (int x = 0; x < 582; ++x) {
        int thickness = 0;
        for (int y = 0; y < 582; ++y)
            if (canvas.pixel(x, y) == kBlue) ++thickness;
        EXPECT_EQ(thickness, 2) << x;
    }
}

TEST(ImageCanvas, ReportsTheAreaChangedSinceItWasLastAsked) {
    ImageCanvas canvas = TrajectoryCanvas();
    EXPECT_EQ(canvas.takeChangedArea(), QRect(0, 0, 291, 291)); // all of it is new
    EXPECT_TRUE(canvas.takeChangedArea().isEmpty());
    canvas.line(0, 0, 1, 1, kRed);
    EXPECT_EQ(canvas.takeChangedArea(), QRect(QPoint(145, 116), QPoint(174, 145)));
    canvas.point(1e30f, 0, kRed);
    EXPECT_TRUE(canvas.takeChangedArea().isEmpty());
}

} // namespace
} // namespace kvor::test
