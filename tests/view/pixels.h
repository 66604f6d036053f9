#pragma once

// Looking at the pixels of a picture.

#include "view/image_canvas.h"

#include <functional>
#include <vector>

namespace kvor::test {

struct Pixel {
    int x, y;
};

// Every device pixel of the picture whose colour is wanted.
inline std::vector<Pixel> PixelsOf(const ImageCanvas& canvas, const std::function<bool(Rgb)>& wanted) {
    std::vector<Pixel> found;
    for (int y = 0; y < canvas.image().height(); ++y)
        for (int x = 0; x < canvas.image().width(); ++x)
            if (wanted(canvas.pixel(x, y))) found.push_back({x, y});
    return found;
}
inline std::vector<Pixel> PixelsOf(const ImageCanvas& canvas, Rgb colour) {
    return PixelsOf(canvas, [colour](Rgb c) { return c == colour; });
}
inline int CountPixels(const ImageCanvas& canvas, const std::function<bool(Rgb)>& wanted) {
    return static_cast<int>(PixelsOf(canvas, wanted).size());
}

constexpr Rgb kWhite{255, 255, 255};

} // namespace kvor::test
