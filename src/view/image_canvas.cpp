#include "image_canvas.h"

#include "translated_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

constexpr std::uint32_t kWhite = 0xffffffffu;

constexpr std::uint32_t packed(Rgb c) {
    return 0xff000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | std::uint32_t{c.b};
}

// Above this radius (device pixels) a circle is found column by column and row by row over the
// picture instead of walking its whole circumference, which may be astronomically long.
constexpr double kMidpointRadiusLimit = 16384;

// Rounds to the nearest pixel; only called on values already known to lie near the picture.
int nearest(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

// Cohen-Sutherland: moves each end that lies outside the box onto the box edge it crosses,
// computing the crossing from the ends themselves (never from a fraction of a huge length, which
// would lose the visible part); false when nothing of the segment lies inside.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax,
                 double ymax) {
    enum : unsigned { Left = 1, Right = 2, Above = 4, Below = 8 };
    const auto outcode = [&](double x, double y) {
        return (x < xmin ? Left : x > xmax ? Right : 0u) | (y < ymin ? Above : y > ymax ? Below : 0u);
    };
    unsigned code1 = outcode(x1, y1), code2 = outcode(x2, y2);
    for (int pass = 0; pass < 8; ++pass) {
        if ((code1 | code2) == 0) return true;
        if (code1 & code2) return false;
        const unsigned out = code1 ? code1 : code2;
        double x, y;
        if (out & (Left | Right)) {
            x = out & Left ? xmin : xmax;
            y = y1 + (y2 - y1) * ((x - x1) / (x2 - x1));
        } else {
            y = out & Above ? ymin : ymax;
            x = x1 + (x2 - x1) * ((y - y1) / (y2 - y1));
        }
        if (!std::isfinite(x) || !std::isfinite(y)) return false;
        if (out == code1) {
            x1 = x, y1 = y, code1 = outcode(x1, y1);
        } else {
            x2 = x, y2 = y, code2 = outcode(x2, y2);
        }
    }
    return (code1 | code2) == 0;
}

} // namespace

ImageCanvas::ImageCanvas(QSize logicalSize, double devicePixelRatio)
    : logicalSize_(logicalSize),
      image_(QSize(static_cast<int>(std::lround(logicalSize.width() * devicePixelRatio)),
                   static_cast<int>(std::lround(logicalSize.height() * devicePixelRatio))),
             QImage::Format_RGB32),
      width_(image_.width()), height_(image_.height()),
      dot_(std::max(1, static_cast<int>(std::lround(devicePixelRatio)))),
      bits_(reinterpret_cast<std::uint32_t*>(image_.bits())), stride_(image_.bytesPerLine() / 4) {
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(kWhite);
    // The condensed face of the window's boxes, which has Cyrillic, a pixel smaller than captions.
    font_.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    font_.setStyleHint(QFont::SansSerif);
    font_.setPixelSize(10);
    changedLeft_ = 0;
    changedTop_ = 0;
    changedRight_ = width_ - 1;
    changedBottom_ = height_ - 1;
}

void ImageCanvas::clear() {
    image_.fill(kWhite);
    markChanged(0, 0, std::max(width_, height_));
}

void ImageCanvas::setScale(float left, float top, float right, float bottom) {
    // The corner values land on the centres of the corner pixels (dots of `dot_` device pixels).
    scale_.left = left;
    scale_.top = top;
    scale_.perUnitX = (width_ - dot_) / (static_cast<double>(right) - left);
    scale_.perUnitY = (height_ - dot_) / (static_cast<double>(bottom) - top);
}

void ImageCanvas::markChanged(int x, int y, int size) {
    changedLeft_ = std::min(changedLeft_, x);
    changedTop_ = std::min(changedTop_, y);
    changedRight_ = std::max(changedRight_, x + size - 1);
    changedBottom_ = std::max(changedBottom_, y + size - 1);
}

// Sets one dot (a logical pixel) whose top-left device pixel is (x, y), as far as it lies on the
// picture.
void ImageCanvas::stamp(int x, int y, std::uint32_t colour) {
    const int x0 = std::max(x, 0), x1 = std::min(x + dot_, width_);
    const int y0 = std::max(y, 0), y1 = std::min(y + dot_, height_);
    if (x0 >= x1 || y0 >= y1) return;
    for (int row = y0; row < y1; ++row) {
        std::uint32_t* line = bits_ + static_cast<std::ptrdiff_t>(row) * stride_;
        std::fill(line + x0, line + x1, colour);
    }
    markChanged(x0, y0, dot_);
}

void ImageCanvas::line(float x1, float y1, float x2, float y2, Rgb colour) {
    double ax = toDeviceX(x1), ay = toDeviceY(y1), bx = toDeviceX(x2), by = toDeviceY(y2);
    // Keep what can touch the picture, with one dot of margin, then walk it with Bresenham.
    if (!clipSegment(ax, ay, bx, by, -dot_, -dot_, width_, height_)) return;
    int x = nearest(ax), y = nearest(ay);
    const int xEnd = nearest(bx), yEnd = nearest(by);
    const int dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const int sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    const std::uint32_t c = packed(colour);
    int err = dx + dy;
    for (;;) {
        stamp(x, y, c);
        if (x == xEnd && y == yEnd) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void ImageCanvas::midpointCircle(int cx, int cy, int radius, std::uint32_t colour) {
    int x = radius, y = 0, err = 1 - radius;
    while (x >= y) {
        stamp(cx + x, cy + y, colour);
        stamp(cx + y, cy + x, colour);
        stamp(cx - y, cy + x, colour);
        stamp(cx - x, cy + y, colour);
        stamp(cx - x, cy - y, colour);
        stamp(cx - y, cy - x, colour);
        stamp(cx + y, cy - x, colour);
        stamp(cx + x, cy - y, colour);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

// A circle far larger than the picture: where it crosses each column and each row of the picture.
void ImageCanvas::scannedCircle(double cx, double cy, double radius, std::uint32_t colour) {
    const auto onPicture = [&](double v, int extent) { return v >= -dot_ && v <= extent; };
    for (int col = -dot_; col <= width_; ++col) {
        const double d = radius * radius - (col - cx) * (col - cx);
        if (!(d >= 0)) continue;
        const double half = std::sqrt(d);
        for (const double row : {cy - half, cy + half})
            if (onPicture(row, height_)) stamp(col, nearest(row), colour);
    }
    for (int row = -dot_; row <= height_; ++row) {
        const double d = radius * radius - (row - cy) * (row - cy);
        if (!(d >= 0)) continue;
        const double half = std::sqrt(d);
        for (const double col : {cx - half, cx + half})
            if (onPicture(col, width_)) stamp(nearest(col), row, colour);
    }
}

void ImageCanvas::circle(float x, float y, float radius, Rgb colour) {
    // The radius is measured in units of the x axis, as the picture's circles always were.
    const double cx = toDeviceX(x), cy = toDeviceY(y);
    const double r = std::floor(std::abs(static_cast<double>(radius) * scale_.perUnitX) + 0.5);
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return;

    // Nothing to draw when the ring misses the picture: wholly outside it, or around all of it.
    const double nearX = std::clamp(cx, double(-dot_), double(width_));
    const double nearY = std::clamp(cy, double(-dot_), double(height_));
    const double farX = std::max(std::abs(cx + dot_), std::abs(cx - width_));
    const double farY = std::max(std::abs(cy + dot_), std::abs(cy - height_));
    if (std::hypot(cx - nearX, cy - nearY) > r + 2 || std::hypot(farX, farY) < r - 2) return;

    const std::uint32_t c = packed(colour);
    if (r <= kMidpointRadiusLimit)
        midpointCircle(nearest(cx), nearest(cy), static_cast<int>(r), c);
    else
        scannedCircle(cx, cy, r, c);
}

void ImageCanvas::point(float x, float y, Rgb colour) {
    const double px = toDeviceX(x), py = toDeviceY(y);
    if (!(px >= -dot_ && px <= width_ && py >= -dot_ && py <= height_)) return;
    stamp(nearest(px), nearest(py), packed(colour));
}

void ImageCanvas::print(float x, float y, std::string_view text) {
    const double px = toDeviceX(x), py = toDeviceY(y);
    if (!(std::abs(px) < 1e6 && std::abs(py) < 1e6)) return;
    const QString s = Translated(text);
    const double ratio = image_.devicePixelRatio();
    const QPointF topLeft(nearest(px) / ratio, nearest(py) / ratio);
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(QColor(kTextColour.r, kTextColour.g, kTextColour.b));
    const QFontMetrics metrics(font_);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), s);
    painter.end();

    const QRect box = QRectF(topLeft, QSizeF(metrics.horizontalAdvance(s) + 2, metrics.height() + 1))
                          .toAlignedRect()
                          .intersected(QRect(QPoint(0, 0), logicalSize_));
    if (box.isEmpty()) return;
    const int left = static_cast<int>(box.left() * ratio), top = static_cast<int>(box.top() * ratio);
    const int right = std::min(width_, static_cast<int>(std::ceil((box.right() + 1) * ratio)));
    const int bottom = std::min(height_, static_cast<int>(std::ceil((box.bottom() + 1) * ratio)));
    markChanged(left, top, 1);
    markChanged(right - 1, bottom - 1, 1);
}

Rgb ImageCanvas::pixel(int x, int y) const {
    const QRgb c = image_.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
            static_cast<std::uint8_t>(qBlue(c))};
}

QRect ImageCanvas::takeChangedArea() {
    if (changedLeft_ > changedRight_ || changedTop_ > changedBottom_) return {};
    const double ratio = image_.devicePixelRatio();
    const QRect area = QRectF(QPointF(changedLeft_ / ratio, changedTop_ / ratio),
                              QPointF((changedRight_ + 1) / ratio, (changedBottom_ + 1) / ratio))
                           .toAlignedRect()
                           .intersected(QRect(QPoint(0, 0), logicalSize_));
    changedLeft_ = width_;
    changedTop_ = height_;
    changedRight_ = -1;
    changedBottom_ = -1;
    return area;
}

void ImageCanvas::copyArea(const ImageCanvas& source, const QRect& area) {
    const double ratio = image_.devicePixelRatio();
    const int left = std::max(0, static_cast<int>(std::floor(area.left() * ratio)));
    const int top = std::max(0, static_cast<int>(std::floor(area.top() * ratio)));
    const int right = std::min(width_, static_cast<int>(std::ceil((area.right() + 1) * ratio)));
    const int bottom = std::min(height_, static_cast<int>(std::ceil((area.bottom() + 1) * ratio)));
    if (left >= right || top >= bottom) return;
    for (int row = top; row < bottom; ++row) {
        const std::uint32_t* from = source.bits_ + static_cast<std::ptrdiff_t>(row) * source.stride_;
        std::copy(from + left, from + right, bits_ + static_cast<std::ptrdiff_t>(row) * stride_ + left);
    }
    markChanged(left, top, 1);
    markChanged(right - 1, bottom - 1, 1);
}

} // namespace kvor
