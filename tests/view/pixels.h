#pragma once

// Looking at the pixels of a picture.

#include "view/image_canvas.h"

#include <functional>
#include <vector>

namespace kvor::test {

struct Pixel {
    int x, y;
};

// Every device pixel of the picture that has the colour.
inline std::vector<Pixel> PixelsOf(const ImageCanvas& canvas, Rgb colour) {
    std::vector<Pixel> found;
    const QImage& image = canvas.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (canvas.pixel(x, y) == colour) found.push_back({x, y});
    return found;
}

inline int CountPixels(const ImageCanvas& canvas, const std::function<bool(Rgb)>& wanted) {
    int count = 0;
    const QImage& image = canvas.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (wanted(canvas.pixel(x, y))) ++count;
    return count;
}

constexpr Rgb kWhite{255, 255, 255};

} // namespace kvor::test
