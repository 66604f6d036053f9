#pragma once

#include <QImage>
#include <QString>

namespace kvor {

// Writes `image` to `file` as PNG, at its full pixel size. A file that could not be written is
// left as it was; the result is then the system's reason, and empty on success.
QString SavePng(const QImage& image, const QString& file);

} // namespace kvor
