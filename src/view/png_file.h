#pragma once

#include <QImage>

#include <string>

namespace kvor {

// The bytes of `image` as a PNG file, at its full pixel size, for the one writer of whole files
// (WriteWholeFile). Encoding in memory fails only for an image without pixels, which gives no
// bytes; the pictures always have pixels.
std::string PngData(const QImage& image);

} // namespace kvor
