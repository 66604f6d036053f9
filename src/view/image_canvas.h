#pragma once

#include "canvas.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>

namespace kvor {

// A picture kept in an image: white until something is drawn, and it keeps what is drawn until it
// is cleared. Lines, circles and points are rasterised here, without antialiasing. The image has
// the device pixel ratio of the screen; a point is one logical pixel and lines are as thick as
// one, so the picture stays crisp on any screen.
//
// User coordinates map the corner values to the centres of the corner pixels, so lines on the
// edges of the user rectangle are visible. Coordinates far outside the picture are clipped in
// floating point before anything becomes an integer, so 1e30 draws nothing and costs nothing.
class ImageCanvas : public Canvas {
public:
    ImageCanvas(QSize logicalSize, double devicePixelRatio);

    void clear() override;
    void setScale(float left, float top, float right, float bottom) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void circle(float x, float y, float radius, Rgb colour) override;
    void point(float x, float y, Rgb colour) override;
    // The text in the language of the translation installed (Translated).
    void print(float x, float y, std::string_view text) override;

    // The font of printed text (by default the face and size of the window's boxes); the text
    // colour is a fixed dark grey-black.
    void setFont(const QFont& font) { font_ = font; }

    const QImage& image() const { return image_; }
    QSize logicalSize() const { return logicalSize_; }
    // The colour of a device pixel.
    Rgb pixel(int x, int y) const;
    // The part of the picture changed since the last call, in logical pixels.
    QRect takeChangedArea();
    // Copies the pixels of `area` (logical pixels) from a canvas of the same size.
    void copyArea(const ImageCanvas& source, const QRect& area);

    static constexpr Rgb kTextColour{0, 0, 0};

private:
    struct Scale {
        double left = 0, top = 0, perUnitX = 1, perUnitY = 1;
    };

    double toDeviceX(float x) const { return (static_cast<double>(x) - scale_.left) * scale_.perUnitX; }
    double toDeviceY(float y) const { return (static_cast<double>(y) - scale_.top) * scale_.perUnitY; }
    void stamp(int x, int y, std::uint32_t colour);
    void markChanged(int x, int y, int size);
    void midpointCircle(int cx, int cy, int radius, std::uint32_t colour);
    void scannedCircle(double cx, double cy, double radius, std::uint32_t colour);

    QSize logicalSize_;
    QImage image_;
    int width_, height_; // device pixels
    int dot_;            // the side of a logical pixel in device pixels
    std::uint32_t* bits_;
    int stride_;
    QFont font_;
    Scale scale_;

    int changedLeft_, changedTop_, changedRight_, changedBottom_;
};

} // namespace kvor
