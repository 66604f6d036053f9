// The image canvas of the window's pictures: user coordinates onto pixels, clipping, finer pixels
// on dense screens, the area changed since the last repaint.

#include "pixels.h"
#include "view/image_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor::test {
namespace {

constexpr Rgb kRed{250, 0, 0};
constexpr Rgb kBlue{0, 0, 250};

// The inside of the trajectory picture: 291 pixels for 10 units, so one unit is 29 pixels and the
// origin is pixel 145 both ways.
ImageCanvas TrajectoryCanvas(double ratio = 1.0) {
    ImageCanvas canvas(QSize(291, 291), ratio);
    canvas.setScale(-5, 5, 5, -5);
    return canvas;
}

int NotWhite(const ImageCanvas& canvas) {
    return CountPixels(canvas, [](Rgb c) { return !(c == kWhite); });
}

TEST(ImageCanvas, UserCoordinatesOntoPixelsWithYUpwards) {
    ImageCanvas canvas = TrajectoryCanvas();
    canvas.point(-5, 5, kRed);
    canvas.point(5, -5, kBlue);
    canvas.point(1, 1, kBlue);
    canvas.line(-5, 0, 5, 0, kRed);
    EXPECT_EQ(canvas.pixel(0, 0), kRed);
    EXPECT_EQ(canvas.pixel(290, 290), kBlue);
    EXPECT_EQ(canvas.pixel(174, 116), kBlue);
    for (int x = 0; x < 291; ++x) EXPECT_EQ(canvas.pixel(x, 145), kRed) << x;
    EXPECT_EQ(NotWhite(canvas), 3 + 291) << "a point is one pixel, a line one pixel wide";

    ImageCanvas ring = TrajectoryCanvas();
    ring.circle(0, 0, 1, kBlue); // 29 pixels
    for (const Pixel& p : PixelsOf(ring, kBlue)) EXPECT_NEAR(std::hypot(p.x - 145, p.y - 145), 29, 0.75);
    EXPECT_EQ(ring.pixel(145, 116), kBlue);
}

TEST(ImageCanvas, HugeCoordinatesAreClippedWithoutHanging) {
    ImageCanvas canvas = TrajectoryCanvas();
    canvas.point(-1e30f, -3e38f, kRed);
    canvas.line(1e30f, 1e30f, 2e30f, 1e30f, kRed);
    canvas.circle(0, 0, 1e30f, kRed); // a ring far around the whole picture
    EXPECT_EQ(NotWhite(canvas), 0);
    canvas.line(-1e30f, 0, 1e30f, 0, kBlue); // still crosses the picture on the x axis
    EXPECT_EQ(PixelsOf(canvas, kBlue).size(), 291u);
}

// On a screen with twice the pixel density the picture has four device pixels per logical one.
TEST(ImageCanvas, HighDensityScreensGetTheSamePictureInFinerPixels) {
    ImageCanvas canvas = TrajectoryCanvas(2.0);
    EXPECT_EQ(canvas.image().size(), QSize(582, 582));
    canvas.point(0, 0, kRed);
    canvas.line(-5, 2, 5, 2, kBlue);
    EXPECT_EQ(PixelsOf(canvas, kRed).size(), 4u);
    EXPECT_EQ(canvas.pixel(291, 291), kRed);
    EXPECT_EQ(PixelsOf(canvas, kBlue).size(), 2u * 582);
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
