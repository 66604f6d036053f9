#pragma once

namespace kvor {

// The drawing area of the window's two pictures in logical pixels: the inside of their one-pixel
// frames, Picture1 a square of 4395 twips and Picture2 6135 by 3615 twips at 15 twips to a pixel.
// The batch runner draws its pictures at the same size.
struct PictureSize {
    int width, height;
};
inline constexpr PictureSize kPicture1Size{291, 291};
inline constexpr PictureSize kPicture2Size{407, 239};

} // namespace kvor
